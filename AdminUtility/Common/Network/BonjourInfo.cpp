#include "BonjourInfo.h"

#include <QSet>
#include <QStringList>

BonjourInfo::BonjourInfo(const BonjourDevice& device, const QString& ipAddress)
    : m_device(device)
    , m_ipAddress(ipAddress)
{
}

// A zero length ends the data, as does a string that would run past it. A
// key named twice in one record keeps its first value; a string without a
// key says nothing and is passed over.
void BonjourInfo::unpackTextRecord(const char* data, int length)
{
    if (!data || length <= 0)
        return;
    const auto* bytes = reinterpret_cast<const unsigned char*>(data);
    QSet<QString> seen;
    int position = 0;
    while (position < length) {
        const int stringLength = bytes[position];
        if (stringLength == 0 || stringLength > length - position - 1)
            break;
        const QString text = QString::fromUtf8(data + position + 1, stringLength);
        position += 1 + stringLength;
        const QStringList parts = text.split(QLatin1Char('='));
        const QString& key = parts.first();
        if (key.isEmpty() || seen.contains(key))
            continue;
        seen.insert(key);
        m_txtRecord.insert(key, parts.value(1));
    }
}

QString BonjourInfo::uniqueId() const
{
    return textRecord(QStringLiteral("unique id"));
}

QString BonjourInfo::releaseVersion() const
{
    return textRecord(QStringLiteral("release version"));
}

QString BonjourInfo::firmwareVersions() const
{
    return textRecord(QStringLiteral("internal version"));
}

QString BonjourInfo::modelName() const
{
    return textRecord(QStringLiteral("name"));
}

QString BonjourInfo::familyName() const
{
    return textRecord(QStringLiteral("class"));
}
