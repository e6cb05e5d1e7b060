#pragma once

#include "BonjourDevice.h"

#include <QMap>
#include <QMetaType>
#include <QString>

// A network device as the families see it: its DNS-SD name, its TXT record
// and, when it was added by address, the address. Two infos are equal when
// their TXT records are.
class BonjourInfo
{
public:
    BonjourInfo() = default;
    explicit BonjourInfo(const BonjourDevice& device, const QString& ipAddress = QString());

    bool operator==(const BonjourInfo& other) const { return textMatches(other); }
    bool operator!=(const BonjourInfo& other) const { return !textMatches(other); }

    // Merges TXT record data (length-prefixed "key=value" strings) into the
    // record: keys it names are set, others keep their values.
    void unpackTextRecord(const char* data, int length);

    const BonjourDevice& device() const { return m_device; }
    QByteArray serviceName() const { return m_device.serviceName; }
    QString deviceName() const { return QString::fromUtf8(m_device.serviceName); }
    QString ipAddress() const { return m_ipAddress; }
    void setIpAddress(const QString& address) { m_ipAddress = address; }
    const QMap<QString, QString>& txtRecord() const { return m_txtRecord; }
    QString textRecord(const QString& key) const { return m_txtRecord.value(key); }
    bool textMatches(const BonjourInfo& other) const { return m_txtRecord == other.m_txtRecord; }

    QString uniqueId() const;
    QString releaseVersion() const;
    QString firmwareVersions() const;
    QString modelName() const;
    QString familyName() const;

    bool arrived() const { return m_arrived; }
    void setArrived(bool arrived) { m_arrived = arrived; }

private:
    BonjourDevice m_device;
    QMap<QString, QString> m_txtRecord;
    QString m_ipAddress;
    bool m_arrived = false;
};

Q_DECLARE_METATYPE(BonjourInfo)
