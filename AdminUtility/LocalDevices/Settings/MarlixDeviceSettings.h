#pragma once

#include <QObject>
#include <QSettings>
#include <QVariant>

class VisibleMarlix;

// Choices about one device that the driver does not keep (whether slider
// pairs are linked), in the user's application settings under a group of
// the device's own: its persistent id, or its slot's topological id.
class MarlixDeviceSettings : public QObject
{
    Q_OBJECT

public:
    explicit MarlixDeviceSettings(VisibleMarlix& device);

    QVariant value(const QString& key, const QVariant& defaultValue = QVariant()) const;
    void setValue(const QString& key, const QVariant& value);
    QString group() const { return m_settings.group(); }

    static QString groupOf(const VisibleMarlix& device);

private:
    VisibleMarlix& m_device;
    QSettings m_settings;
};
