#pragma once

#include "VisibleDevice.h"

#include <QFrame>
#include <QPixmap>
#include <QPointer>

class DeviceList;
class FlatImageButton;
class QBoxLayout;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QStackedWidget;
class QVBoxLayout;

// The gallery: the device list's current device shown large, with arrows to
// step through the list, the settings and control-application buttons, and
// the device's own summary widget underneath. An update-only device shows
// its firmware state instead; no device shows the application's hint.
class VisibleDevicesWidget : public QFrame
{
    Q_OBJECT

public:
    VisibleDevicesWidget(DeviceList& deviceList, QWidget* parent);
    ~VisibleDevicesWidget() override;

    enum Page
    {
        NoDevicePage = 0,
        DevicePage = 1,
        UpdatePage = 2
    };
    int currentPage() const;

signals:
    void addByIpClicked();
    void requestShowDevice(VisibleDevice* device);
    void requestShowControlApp(VisibleDevice* device);
    void requestFirmwareUpdate(VisibleDevice* device);

private slots:
    void onDeviceClicked();
    void onControlAppClicked();
    void onUpdateButtonClicked();
    void onLeftClicked();
    void onRightClicked();
    void onDeviceListChanged(VisibleDevice* device);

private:
    void fillBackground();
    QHBoxLayout* createScrollerRow();
    QVBoxLayout* createArrowColumn(FlatImageButton* arrow);
    QVBoxLayout* createDeviceBox();
    QWidget* createNoDevicePage();
    QWidget* createDevicePage();
    QWidget* createUpdatePage();
    QVBoxLayout* createSummaryArea();
    void connectSignals();
    void createShortcuts();
    void nameForAssistiveTechnology();

    void updateDeviceDisplay();
    void detachSummaryWidget();
    void showNoDevice();
    void setContentWidth(int width);
    void showDeviceName(VisibleDevice* device);
    void showControlAppButton(VisibleDevice* device);
    void showConfigurableDevice(VisibleDevice* device);
    void showConnectionAndModel(VisibleDevice* device);
    void attachSummaryWidget(VisibleDevice* device);
    void showUpdateOnlyDevice(VisibleDevice* device);
    void showArrows(int index, int count);

    DeviceList& m_deviceList;
    QPixmap m_noDeviceImage;
    FlatImageButton* m_pictureButton = nullptr;
    QLabel* m_nameLabel = nullptr;
    QStackedWidget* m_pages = nullptr;
    QLabel* m_messageLabel = nullptr;
    QLabel* m_connectionIcon = nullptr;
    QLabel* m_modelName = nullptr;
    FlatImageButton* m_setupButton = nullptr;
    FlatImageButton* m_controlAppButton = nullptr;
    QHBoxLayout* m_buttonRow = nullptr;
    FlatImageButton* m_leftArrow = nullptr;
    FlatImageButton* m_rightArrow = nullptr;
    QVBoxLayout* m_summaryLayout = nullptr;
    QPointer<QWidget> m_summaryWidget;
    // The device whose page is on show; compared, never dereferenced.
    VisibleDevice* m_shownDevice = nullptr;
    QLabel* m_currentVersion = nullptr;
    QLabel* m_updateStatus = nullptr;
    QLabel* m_availableVersion = nullptr;
    QPushButton* m_updateButton = nullptr;
};
