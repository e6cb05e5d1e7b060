#include "AdminUtilityWindow.h"

#include "AboutBox.h"
#include "AddByIpAddressController.h"
#include "AddByIpAddressWidget.h"
#include "AppDefaults.h"
#include "BuildDetailsDialog.h"
#include "CommonGui.h"
#include "MainWindowMenuController.h"
#include "PluginScanner.h"
#include "ProductFamilyBase.h"
#include "TightVBoxLayout.h"
#include "VisibleDevicesListViewWidget.h"
#include "VisibleDevicesWidget.h"
#include "WindowFooter.h"
#include "WindowHeader.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace
{
const QSize kDefaultWindowSize(780, 680);
const QLatin1String kOrganisation("Orvanta");
const QLatin1String kGeometryKey("geometry");
}

AdminUtilityWindow::AdminUtilityWindow()
    : QMainWindow(nullptr)
{
    CommonGui::registerApplicationFonts();
    setWindowTitle(AppDefaults::windowTitle());
    setMinimumSize(kDefaultWindowSize);
    restoreStoredGeometry();
    createMenus();
    createCentralFrame();
    connectGallery();
    connectBonjourDiscovery();
    QTimer::singleShot(0, this, &AdminUtilityWindow::postShowStartup);
}

AdminUtilityWindow::~AdminUtilityWindow()
{
    delete m_addByIpWidget;
    for (ProductFamily* family : qAsConst(m_families))
        family->destroy();
}

void AdminUtilityWindow::addFamily(ProductFamily* family)
{
    m_families.append(family);
}

void AdminUtilityWindow::updateDeviceInfo(VisibleDevice* device)
{
    m_deviceList.updateDeviceInfo(device);
}

QStringList AdminUtilityWindow::standalonePluginDir()
{
    return {QDir(QCoreApplication::applicationDirPath()).absolutePath()};
}

QStringList AdminUtilityWindow::installedPluginDir(std::string directory)
{
    return PluginScanner::subdirectories(QString::fromStdString(directory));
}

quint16 AdminUtilityWindow::loadPlugins(QStringList directories)
{
    qDebug() << directories;
    const PluginScanner::FamilySink addFamily = [this](ProductFamily* family) { m_families.append(family); };
    int count = 0;
    for (const QString& directory : qAsConst(directories))
        count += PluginScanner::loadDirectory(directory, this, addFamily, true);
    return static_cast<quint16>(count);
}

QWidget* AdminUtilityWindow::getListViewWidget()
{
    return nullptr;
}

void AdminUtilityWindow::postShowStartup()
{
    if (m_started)
        return;
    m_started = true;
    addListView();
    createFooter();
    startFamilies();
    m_bonjourDiscovery.start();
}

void AdminUtilityWindow::showDevice(VisibleDevice* device)
{
    routeRequest(device, &ProductFamily::showDevice);
}

void AdminUtilityWindow::showControlApp(VisibleDevice* device)
{
    routeRequest(device, &ProductFamily::showControlApp);
}

void AdminUtilityWindow::updateFirmware(VisibleDevice* device)
{
    routeRequest(device, &ProductFamily::updateDevice);
}

void AdminUtilityWindow::onBonjourDeviceAdded(const BonjourInfo& info)
{
    offerToFamilies(info, &ProductFamily::handlesBonjourArrival);
}

void AdminUtilityWindow::onBonjourDeviceRemoved(const BonjourInfo& info)
{
    offerToFamilies(info, &ProductFamily::handlesBonjourRemoval);
}

void AdminUtilityWindow::onBonjourDeviceUpdated(const BonjourInfo& info)
{
    offerToFamilies(info, &ProductFamily::handlesBonjourUpdate);
}

// From now on the device is polled like a discovered one, so its changes reach the families.
void AdminUtilityWindow::newDeviceAddedByIP(const BonjourInfo& info)
{
    m_bonjourDiscovery.trackAddedDevice(info);
    onBonjourDeviceAdded(info);
}

void AdminUtilityWindow::onMenuButtonClicked()
{
    showMenuOptions(false);
}

void AdminUtilityWindow::onAddByIpClicked()
{
    showMenuOptions(true);
}

void AdminUtilityWindow::onGalleryViewSelected()
{
    showPage(m_gallery);
    if (m_footer)
        m_footer->showDots();
}

void AdminUtilityWindow::onListViewSelected()
{
    if (!m_listView)
        return;
    showPage(m_listView);
    if (m_footer)
        m_footer->hideDots();
}

// A stack asks for the size of its largest page, shown or not. Only the page on screen may
// widen the window: a hidden list whose columns grow as devices arrive would otherwise make the
// window animate wider at start for nothing the user sees. Ignored pages count for nothing.
void AdminUtilityWindow::showPage(QWidget* page)
{
    for (int i = 0; i < m_pageStack->count(); ++i) {
        QWidget* each = m_pageStack->widget(i);
        const auto policy = each == page ? QSizePolicy::Preferred : QSizePolicy::Ignored;
        each->setSizePolicy(policy, policy);
    }
    m_pageStack->setCurrentWidget(page);
}

void AdminUtilityWindow::showAboutBox()
{
    AboutBox box(this);
    box.setIcon(AppDefaults::aboutIcon());
    box.setTitle(AppDefaults::aboutTitle());
    box.setYear(AppDefaults::aboutYear());
    box.setVersion(AppDefaults::aboutRelease());
    box.exec();
}

void AdminUtilityWindow::showBuildDetails()
{
    auto* dialog = new BuildDetailsDialog(m_families, this);
    dialog->open();
}

void AdminUtilityWindow::closeEvent(QCloseEvent* event)
{
    for (ProductFamily* family : qAsConst(m_families)) {
        if (!family->okToClose()) {
            event->ignore();
            return;
        }
    }
    QSettings settings(kOrganisation, AppDefaults::settingsProductKey());
    settings.setValue(kGeometryKey, saveGeometry());
    QMainWindow::closeEvent(event);
}

void AdminUtilityWindow::restoreStoredGeometry()
{
    const QSettings settings(kOrganisation, AppDefaults::settingsProductKey());
    const QByteArray geometry = settings.value(kGeometryKey).toByteArray();
    if (geometry.isEmpty() || !restoreGeometry(geometry))
        resize(kDefaultWindowSize);
    fitToScreen();
}

// A geometry stored on a larger screen, or by a window that outgrew its screen,
// comes back no larger than the screen and on it.
void AdminUtilityWindow::fitToScreen()
{
    const QScreen* screen = this->screen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    resize(size().boundedTo(available.size()));
    const QRect placed = geometry();
    const int left = qBound(available.left(), placed.left(), available.right() + 1 - placed.width());
    const int top = qBound(available.top(), placed.top(), available.bottom() + 1 - placed.height());
    if (left != placed.left() || top != placed.top())
        setGeometry(QRect(QPoint(left, top), placed.size()));
}

QSize AdminUtilityWindow::availableScreenSize() const
{
    const QScreen* screen = this->screen();
    return screen ? screen->availableGeometry().size() : QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

void AdminUtilityWindow::createMenus()
{
    QMenu* help = menuBar()->addMenu(tr("Help"));
    QAction* about = help->addAction(AppDefaults::aboutMenuText());
    connect(about, &QAction::triggered, this, &AdminUtilityWindow::showAboutBox);
}

void AdminUtilityWindow::createCentralFrame()
{
    auto* frame = new QWidget(this);
    m_mainLayout = new TightVBoxLayout(frame);

    m_mainLayout->addWidget(new WindowHeader(frame));
    auto* separator = new QWidget(frame);
    separator->setFixedHeight(1);
    separator->setStyleSheet(QStringLiteral("QWidget { background: black; }"));
    m_mainLayout->addWidget(separator);

    m_pageStack = new QStackedWidget(frame);
    m_gallery = new VisibleDevicesWidget(m_deviceList, this);
    m_pageStack->addWidget(m_gallery);
    m_mainLayout->addWidget(m_pageStack, 1);
    setCentralWidget(frame);
}

void AdminUtilityWindow::connectGallery()
{
    connect(m_gallery, &VisibleDevicesWidget::addByIpClicked, this, &AdminUtilityWindow::onAddByIpClicked);
    connect(m_gallery, &VisibleDevicesWidget::requestFirmwareUpdate, this, &AdminUtilityWindow::updateFirmware);
    connect(m_gallery, &VisibleDevicesWidget::requestShowDevice, this, &AdminUtilityWindow::showDevice);
    connect(m_gallery, &VisibleDevicesWidget::requestShowControlApp, this, &AdminUtilityWindow::showControlApp);
}

void AdminUtilityWindow::connectBonjourDiscovery()
{
    connect(&m_bonjourDiscovery, &BonjourDiscovery::deviceArrived, this, &AdminUtilityWindow::onBonjourDeviceAdded);
    connect(&m_bonjourDiscovery, &BonjourDiscovery::deviceRemoved, this,
            &AdminUtilityWindow::onBonjourDeviceRemoved);
    connect(&m_bonjourDiscovery, &BonjourDiscovery::deviceUpdated, this,
            &AdminUtilityWindow::onBonjourDeviceUpdated);
}

void AdminUtilityWindow::addListView()
{
    m_listView = getListViewWidget();
    if (!m_listView)
        return;
    m_pageStack->addWidget(m_listView);
    showPage(m_gallery);
    if (auto* listView = qobject_cast<VisibleDevicesListViewWidget*>(m_listView))
        connect(listView, &VisibleDevicesListViewWidget::requestShowDevice, this, &AdminUtilityWindow::showDevice);
}

void AdminUtilityWindow::createFooter()
{
    m_footer = new WindowFooter(m_deviceList, centralWidget(), m_listView != nullptr);
    m_mainLayout->addWidget(m_footer);
    connect(m_footer, &WindowFooter::menuButtonClicked, this, &AdminUtilityWindow::onMenuButtonClicked);
    connect(m_footer, &WindowFooter::easterEggClicked, this, &AdminUtilityWindow::showBuildDetails);
    connect(m_footer, &WindowFooter::galleryViewSelected, this, &AdminUtilityWindow::onGalleryViewSelected);
    connect(m_footer, &WindowFooter::listViewSelected, this, &AdminUtilityWindow::onListViewSelected);
}

// One family at a time is connected and started, so a family that announces
// devices from within init() reaches a list that already listens to it.
void AdminUtilityWindow::startFamilies()
{
    for (ProductFamily* family : qAsConst(m_families)) {
        if (!dynamic_cast<QObject*>(family))
            continue;
        connectFamily(family);
        family->init();
    }
}

// The signals are looked up by name: a plug-in family may carry its own copy
// of ProductFamilyBase, whose signal functions are not ours.
void AdminUtilityWindow::connectFamily(ProductFamily* family)
{
    QObject* object = dynamic_cast<QObject*>(family);
    connect(object, SIGNAL(deviceArrived(VisibleDevice*)), &m_deviceList, SLOT(onDeviceAdded(VisibleDevice*)));
    connect(object, SIGNAL(deviceRemoved(VisibleDevice*)), &m_deviceList, SLOT(onDeviceRemoved(VisibleDevice*)));
    connect(object, SIGNAL(deviceInfoChanged(VisibleDevice*)), &m_deviceList,
            SLOT(onDeviceInfoChanged(VisibleDevice*)));
}

void AdminUtilityWindow::routeRequest(VisibleDevice* device, DeviceRequest request)
{
    if (!device)
        return;
    if (ProductFamily* family = m_deviceList.getFamilyOfDevice(device))
        (family->*request)(device, this);
}

void AdminUtilityWindow::offerToFamilies(const BonjourInfo& info, BonjourOffer offer)
{
    for (ProductFamily* family : qAsConst(m_families)) {
        if ((family->*offer)(info))
            return;
    }
}

void AdminUtilityWindow::showMenuOptions(bool addByIpOnly)
{
    if (!m_menuController)
        m_menuController = new MainWindowMenuController(this);
    m_menuController->clear();
    if (AppDefaults::allowsAddByIpAddress())
        addAddByIpAddressOption();
    if (!addByIpOnly) {
        for (ProductFamily* family : qAsConst(m_families)) {
            if (auto* base = dynamic_cast<ProductFamilyBase*>(family))
                base->addMainWindowMenuOptions(m_menuController);
        }
    }
    m_menuController->build(m_footer ? m_footer->menuAnchor() : centralWidget());
}

void AdminUtilityWindow::addAddByIpAddressOption()
{
    if (!m_addByIpWidget) {
        m_addByIpWidget = new AddByIpAddressWidget();
        m_addByIpController = new AddByIpAddressController(this);
        m_addByIpController->setWidget(m_addByIpWidget);
        connect(m_addByIpController, &AddByIpAddressController::deviceAddedByIP, this,
                &AdminUtilityWindow::newDeviceAddedByIP);
    }
    m_menuController->addOption(AppDefaults::addByIpAddressMessage(), m_addByIpWidget);
}
