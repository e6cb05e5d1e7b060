#pragma once

#include "VisibleDevice.h"

#include <QObject>

// A device that exists only in tests: every answer is set by the test.
class FakeDevice : public QObject, public VisibleDevice
{
    Q_OBJECT

public:
    explicit FakeDevice(const QString& name, QObject* parent = nullptr);

    QString familyName() const override { return m_familyName; }
    QString modelName() const override { return m_modelName; }
    QString ipAddress() const override { return QString(); }
    QPixmap modelImage() const override { return m_image; }
    QPixmap modelThumb() const override { return m_image; }
    QString deviceName() const override { return m_name; }
    QPixmap launcherConnectionIcon() const override { return m_connectionIcon; }
    QPixmap cardConnectionIcon() const override { return m_connectionIcon; }
    bool isUsbDevice() const override { return m_usb; }
    bool firmwareUpdateOnly() const override { return m_updateOnly; }
    QString currentFirmwareString() const override { return m_currentFirmware; }
    bool firmwareUpdateAvailable() const override { return !m_availableFirmware.isEmpty(); }
    QString availableFirmwareString() const override { return m_availableFirmware; }
    DeviceFirmwareUpdater* getFirmwareUpdater() override { return nullptr; }
    QWidget* summaryWidget() const override { return m_summary; }
    bool shouldShowSetup() const override { return m_showSetup; }
    bool hasControlApp() const override { return !m_controlAppIcon.isNull(); }
    QPixmap controlAppIcon() const override { return m_controlAppIcon; }
    QPixmap controlAppIconHover() const override { return m_controlAppIcon; }

    void setFamilyName(const QString& name) { m_familyName = name; }
    void setModelName(const QString& name) { m_modelName = name; }
    void setDeviceName(const QString& name);
    void setImage(const QPixmap& image) { m_image = image; }
    void setConnectionIcon(const QPixmap& icon) { m_connectionIcon = icon; }
    void setUsb(bool usb) { m_usb = usb; }
    void setShowSetup(bool show) { m_showSetup = show; }
    void setUpdateOnly(const QString& current, const QString& available);
    void setControlAppIcon(const QPixmap& icon) { m_controlAppIcon = icon; }
    void setSummaryWidget(QWidget* widget) { m_summary = widget; }

signals:
    void displayInfoChanged(VisibleDevice* device);

private:
    QString m_name;
    QString m_familyName;
    QString m_modelName;
    QPixmap m_image;
    QPixmap m_connectionIcon;
    QPixmap m_controlAppIcon;
    QString m_currentFirmware;
    QString m_availableFirmware;
    QWidget* m_summary = nullptr;
    bool m_usb = false;
    bool m_showSetup = true;
    bool m_updateOnly = false;
};
