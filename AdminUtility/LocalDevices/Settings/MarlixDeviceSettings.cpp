#include "MarlixDeviceSettings.h"

#include "AppDefaults.h"
#include "VisibleMarlix.h"

MarlixDeviceSettings::MarlixDeviceSettings(VisibleMarlix& device)
    : m_device(device)
    , m_settings(QStringLiteral("Orvanta"), AppDefaults::settingsProductKey())
{
    m_settings.beginGroup(groupOf(device));
}

QString MarlixDeviceSettings::groupOf(const VisibleMarlix& device)
{
    const qint64 id = device.supportsPersistentID() ? device.getPersistentId() : device.getTopologicalID();
    return QString::number(id);
}

QVariant MarlixDeviceSettings::value(const QString& key, const QVariant& defaultValue) const
{
    return m_settings.value(key, defaultValue);
}

void MarlixDeviceSettings::setValue(const QString& key, const QVariant& value)
{
    m_settings.setValue(key, value);
}
