#pragma once

#include "BonjourDiscovery.h"
#include "DeviceList.h"

#include <QList>
#include <QMainWindow>
#include <QStringList>

#include <string>

class AddByIpAddressController;
class AddByIpAddressWidget;
class BonjourInfo;
class MainWindowMenuController;
class ProductFamily;
class QStackedWidget;
class QVBoxLayout;
class VisibleDevice;
class VisibleDevicesWidget;
class WindowFooter;

// The framework's main window: owns the device list and the family list,
// routes every request about a device to the family that announced it, and
// keeps its geometry across runs.
class AdminUtilityWindow : public QMainWindow
{
    Q_OBJECT

public:
    AdminUtilityWindow();
    ~AdminUtilityWindow() override;

    void addFamily(ProductFamily* family);
    const QList<ProductFamily*>& families() const { return m_families; }
    DeviceList& deviceList() { return m_deviceList; }
    BonjourDiscovery& bonjourDiscovery() { return m_bonjourDiscovery; }
    AddByIpAddressWidget* addByIpAddressWidget() const { return m_addByIpWidget; }
    MainWindowMenuController* menuController() const { return m_menuController; }
    void updateDeviceInfo(VisibleDevice* device);

    VisibleDevicesWidget* gallery() const { return m_gallery; }
    WindowFooter* footer() const { return m_footer; }
    QStackedWidget* pageStack() const { return m_pageStack; }

    // For applications that keep their plug-ins elsewhere than this one.
    static QStringList standalonePluginDir();
    static QStringList installedPluginDir(std::string directory);
    quint16 loadPlugins(QStringList directories);

    // The list view shown beside the gallery; none by default.
    virtual QWidget* getListViewWidget();

public slots:
    void postShowStartup();
    void showDevice(VisibleDevice* device);
    void showControlApp(VisibleDevice* device);
    void updateFirmware(VisibleDevice* device);
    void onBonjourDeviceAdded(const BonjourInfo& info);
    void onBonjourDeviceRemoved(const BonjourInfo& info);
    void onBonjourDeviceUpdated(const BonjourInfo& info);
    void newDeviceAddedByIP(const BonjourInfo& info);
    void onMenuButtonClicked();
    void onAddByIpClicked();
    void onGalleryViewSelected();
    void onListViewSelected();
    void showAboutBox();
    void showBuildDetails();

protected:
    void closeEvent(QCloseEvent* event) override;
    // The room the window's screen offers, less panels and docks.
    QSize availableScreenSize() const;

private:
    using DeviceRequest = void (ProductFamily::*)(VisibleDevice*, AdminUtilityWindow*);
    using BonjourOffer = bool (ProductFamily::*)(const BonjourInfo&);

    void restoreStoredGeometry();
    void fitToScreen();
    void createMenus();
    void createCentralFrame();
    void connectGallery();
    void connectBonjourDiscovery();
    void addAddByIpAddressOption();
    void addListView();
    void showPage(QWidget* page);
    void createFooter();
    void startFamilies();
    void connectFamily(ProductFamily* family);
    void routeRequest(VisibleDevice* device, DeviceRequest request);
    void offerToFamilies(const BonjourInfo& info, BonjourOffer offer);
    void showMenuOptions(bool addByIpOnly);

    DeviceList m_deviceList;
    bool m_started = false;
    VisibleDevicesWidget* m_gallery = nullptr;
    QWidget* m_listView = nullptr;
    BonjourDiscovery m_bonjourDiscovery;
    QList<ProductFamily*> m_families;
    AddByIpAddressController* m_addByIpController = nullptr;
    AddByIpAddressWidget* m_addByIpWidget = nullptr;
    MainWindowMenuController* m_menuController = nullptr;
    QVBoxLayout* m_mainLayout = nullptr;
    QStackedWidget* m_pageStack = nullptr;
    WindowFooter* m_footer = nullptr;
};
