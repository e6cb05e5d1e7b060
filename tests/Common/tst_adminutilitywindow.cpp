#include "AboutBox.h"
#include "AdminUtilityWindow.h"
#include "AppDefaults.h"
#include "BuildDetailsDialog.h"
#include "CardPushButton.h"
#include "DotsWidget.h"
#include "FakeDevice.h"
#include "FakeFamily.h"
#include "FlatImageButton.h"
#include "MainWindowDialog.h"
#include "MainWindowDialogWidget.h"
#include "MainWindowMenuController.h"
#include "PluginScanner.h"
#include "ProductFamily.h"
#include "SecretButton.h"
#include "TightVBoxLayout.h"
#include "ViewSelectionBar.h"
#include "VisibleDevicesWidget.h"
#include "WindowFooter.h"

#include <QLabel>
#include <QPluginLoader>
#include <QPointer>
#include <QScreen>
#include <QSettings>
#include <QStackedWidget>
#include <QTabWidget>
#include <QtTest>

#include <memory>

namespace
{
// An application directory of its own for one test, with plug-in directories
// holding copies of the fake plug-in and their configurations. The plug-in root
// is made with the first plug-in.
class PluginTree
{
public:
    QString applicationDir() const { return m_dir.path(); }
    QString pluginRoot() const { return m_dir.filePath(QStringLiteral("AdminUtility/PlugIns")); }

    // Copies the fake plug-in into <root>/<directory>/<fileName> and writes its
    // configuration (ini text) beside it under the library's base name. The
    // configuration "unresolved" lays the plug-in that calls a function no library
    // defines instead.
    QString addPlugin(const QString& directory, const QString& fileName, const QString& config)
    {
        const QDir dir(pluginRoot() + QLatin1Char('/') + directory);
        dir.mkpath(QStringLiteral("."));
        const QString path = dir.filePath(fileName);
        const bool unresolved = config == QLatin1String("unresolved");
        QFile::copy(QString::fromUtf8(unresolved ? UNRESOLVED_PLUGIN_PATH : FAKE_PLUGIN_PATH), path);
        QFile ini(dir.filePath(QFileInfo(fileName).completeBaseName() + QStringLiteral(".ini")));
        if (!config.isEmpty() && !unresolved && ini.open(QIODevice::WriteOnly))
            ini.write(config.toUtf8());
        return path;
    }

private:
    QTemporaryDir m_dir;
};

// A window of a framework application that offers a list view.
class WindowWithListView : public AdminUtilityWindow
{
public:
    QWidget* getListViewWidget() override
    {
        if (!m_list)
            m_list = new QWidget(this);
        return m_list;
    }

private:
    QWidget* m_list = nullptr;
};

// A menu page that counts how often it was told it is about to be shown.
class CountingPage : public MainWindowDialogWidget
{
public:
    CountingPage() { buildMe(QStringLiteral("Add"), QStringLiteral("Close")); }
    void aboutToShow() override { ++shown; }
    int shown = 0;

protected:
    void buildContents(TightVBoxLayout* layout) override { layout->addWidget(new QLabel(QStringLiteral("page"))); }
};

// A file laid into the plug-in tree (see PluginTree::addPlugin).
struct PluginFile
{
    QString directory;
    QString file;
    QString config;
};
using Layout = QVector<PluginFile>;

const char* const kTwoFamilies = "[plugin]\nfamilies=Alpha,Beta\n"
                                 "[Alpha]\ndevices=Cam A1,Cam A2\n"
                                 "[Beta]\ndevices=Cam B1\n";
}

Q_DECLARE_METATYPE(Layout)

class TestAdminUtilityWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void startupScan_data();
    void startupScan();
    void familiesLiveWithTheWindow();
    void geometryIsKeptAcrossRuns_data();
    void geometryIsKeptAcrossRuns();
    void viewSwitch();
    void buildDetails();
    void menuOpensItsSingleEntry();
    void aboutBox();

private:
    // A window with the fake plug-in's families, started as the program starts it.
    std::unique_ptr<AdminUtilityWindow> startWindow(const QString& config, AdminUtilityWindow* window = nullptr);

    QTemporaryDir m_settings;
    std::unique_ptr<PluginTree> m_tree;
};

void TestAdminUtilityWindow::initTestCase()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
}

void TestAdminUtilityWindow::init()
{
    QSettings(QStringLiteral("Orvanta"), AppDefaults::settingsProductKey()).clear();
    FakeFamily::clearLog();
    m_tree = std::make_unique<PluginTree>();
}

std::unique_ptr<AdminUtilityWindow> TestAdminUtilityWindow::startWindow(const QString& config, AdminUtilityWindow* window)
{
    std::unique_ptr<AdminUtilityWindow> owned(window ? window : new AdminUtilityWindow);
    m_tree->addPlugin(QStringLiteral("fake"), QStringLiteral("libfake.so"), config);
    PluginScanner::registerFamilies(m_tree->applicationDir(), owned.get());
    owned->show();
    return owned;
}

// The plug-in scan at start-up: the window's own family (added first, as the
// program adds its local family) keeps its place, the plug-ins' come after it.
void TestAdminUtilityWindow::startupScan_data()
{
    QTest::addColumn<Layout>("layout");
    QTest::addColumn<QStringList>("expected");

    const QString kept = QStringLiteral("[plugin]\nfamilies=Kept");
    QTest::newRow("no plug-in root") << Layout{} << QStringList{};
    QTest::newRow("library directly in the root is ignored")
        << Layout{{"", "libroot.so", "[plugin]\nfamilies=Root"}} << QStringList{};
    QTest::newRow("plug-in keeps its family order")
        << Layout{{"one", "libfake.so", "[plugin]\nfamilies=Alpha,Beta,Gamma"}}
        << QStringList{"Alpha", "Beta", "Gamma"};
    QTest::newRow("plug-in without configuration") << Layout{{"one", "libfake.so", ""}} << QStringList{"Fake"};
    QTest::newRow("rejected plug-in is skipped, the next one tried")
        << Layout{{"one", "libreject.so", "[plugin]\naccept=false\nfamilies=Refused"}, {"one", "libaccept.so", kept}}
        << QStringList{"Kept"};
    QTest::newRow("plug-in with an unresolved function is skipped")
        << Layout{{"one", "libbroken.so", "unresolved"}, {"one", "libfake.so", kept}} << QStringList{"Kept"};
    QTest::newRow("every plug-in directory is searched")
        << Layout{{"one", "libfake.so", kept}, {"two", "libfake.so", kept}} << QStringList{"Kept", "Kept"};
    QTest::newRow("plug-in without a library name is ignored")
        << Layout{{"one", "fake.plugin", "[plugin]\nfamilies=Hidden"}} << QStringList{};
    QTest::newRow("versioned library name is loaded")
        << Layout{{"one", "libfake.so.1.2", "[plugin]\nfamilies=Versioned"}} << QStringList{"Versioned"};
    QTest::newRow("nested directories are not searched")
        << Layout{{"one/deeper", "libfake.so", "[plugin]\nfamilies=Deep"}} << QStringList{};
}

void TestAdminUtilityWindow::startupScan()
{
    QFETCH(Layout, layout);
    QFETCH(QStringList, expected);

    QStringList refused;
    for (const PluginFile& entry : qAsConst(layout)) {
        const QString path = m_tree->addPlugin(entry.directory, entry.file, entry.config);
        if (entry.config.contains(QLatin1String("accept=false")))
            refused << path;
    }
    AdminUtilityWindow window;
    FakeFamily local(QStringLiteral("Local"));
    window.addFamily(&local);
    const int count = PluginScanner::registerFamilies(m_tree->applicationDir(), &window);
    QStringList names;
    for (ProductFamily* family : window.families())
        names << family->getName();
    QCOMPARE(names, QStringList{"Local"} + expected);
    QCOMPARE(count, expected.size());
    for (const QString& path : qAsConst(refused))
        QVERIFY2(!QPluginLoader(path).isLoaded(), "a refused plug-in must be unloaded");
}

// The families start in their order on the event loop's first turn, and once.
// A request goes to the family that announced the device (the end-to-end suites
// route the program's own; these are the requests they never make). Closing asks
// every family (none of the program's refuses); the families are destroyed in
// their order. That the geometry is stored is the next test's.
void TestAdminUtilityWindow::familiesLiveWithTheWindow()
{
    auto window = startWindow(QString::fromLatin1(kTwoFamilies));
    QCOMPARE(FakeFamily::log(), QStringList());
    QTRY_COMPARE(FakeFamily::log(), (QStringList{"Alpha:init", "Beta:init"}));
    // Devices announced from within init() reach the list; the base window sorts by name.
    QCOMPARE(window->deviceList().numberOfDevice(), 3);
    QCOMPARE(window->deviceList().deviceAt(2)->deviceName(), QStringLiteral("Cam B1"));
    window->postShowStartup();
    QCOMPARE(window->findChildren<WindowFooter*>().size(), 1);
    QCOMPARE(window->deviceList().numberOfDevice(), 3);

    FakeDevice unlisted(QStringLiteral("Unlisted"));
    window->showDevice(window->deviceList().deviceAt(2));
    window->showDevice(&unlisted);
    window->updateFirmware(nullptr);
    QVERIFY(window->close());
    QVERIFY(!window->isVisible());
    QCOMPARE(FakeFamily::log(), (QStringList{"Alpha:init", "Beta:init", "Beta:showDevice:Cam B1", "Alpha:okToClose",
                                             "Beta:okToClose"}));

    FakeFamily::clearLog();
    window.reset();
    QCOMPARE(FakeFamily::log(), (QStringList{"Alpha:destroy", "Beta:destroy"}));
}

void TestAdminUtilityWindow::geometryIsKeptAcrossRuns_data()
{
    QTest::addColumn<QRect>("stored");
    QTest::addColumn<bool>("fitted");
    // The test platform's screen is 800 pixels wide, less than the window's minimum height tall.
    QTest::newRow("a window on the screen comes back as it was") << QRect(5, 0, 790, 680) << false;
    QTest::newRow("a window wider than the screen is fitted to it") << QRect(0, 0, 26153, 680) << true;
    QTest::newRow("a window off the screen's edge is moved onto it") << QRect(3000, 0, 790, 680) << true;
}

void TestAdminUtilityWindow::geometryIsKeptAcrossRuns()
{
    QFETCH(QRect, stored);
    QFETCH(bool, fitted);
    {
        AdminUtilityWindow first;
        first.show();
        first.setGeometry(stored);
        QTRY_COMPARE(first.geometry(), stored);
        QVERIFY(first.close());
    }
    AdminUtilityWindow second;
    const QRect screen = second.screen()->availableGeometry();
    QCOMPARE(second.geometry() == stored, !fitted);
    QVERIFY2(second.geometry().left() >= screen.left() && second.geometry().right() <= screen.right(),
             qPrintable(QStringLiteral("restored at x %1, width %2").arg(second.x()).arg(second.width())));
}

void TestAdminUtilityWindow::viewSwitch()
{
    auto window = startWindow(QString::fromLatin1(kTwoFamilies), new WindowWithListView);
    QTRY_COMPARE(window->deviceList().numberOfDevice(), 3);
    QCOMPARE(window->pageStack()->count(), 2);
    ViewSelectionBar* bar = window->footer()->viewSelectionBar();
    QVERIFY(bar);
    QTRY_VERIFY(bar->isVisible());
    QTest::mouseClick(bar->listButton(), Qt::LeftButton);
    QCOMPARE(window->pageStack()->currentIndex(), 1);
    QVERIFY(window->footer()->dots()->isHidden());
    QCOMPARE(bar->getActiveView(), int(ViewSelectionBar::ListView));
    // The active view is not shown by a hover picture left on its button.
    for (FlatImageButton* button : {bar->galleryButton(), bar->listButton()}) {
        QVERIFY(!button->accessibleName().isEmpty());
        QVERIFY2(button->currentImage().toImage() == button->image().toImage(), qPrintable(button->accessibleName()));
    }

    // The dots stay away while the list is shown, whatever the list does.
    window->deviceList().selectNextDevice();
    QVERIFY(window->footer()->dots()->isHidden());

    QTest::mouseClick(bar->galleryButton(), Qt::LeftButton);
    QCOMPARE(window->pageStack()->currentWidget(), static_cast<QWidget*>(window->gallery()));
    QVERIFY(!window->footer()->dots()->isHidden());
}

// A plain double click on the footer's bottom-left corner does nothing; with Shift
// held it opens the build details.
void TestAdminUtilityWindow::buildDetails()
{
    auto window = startWindow(QStringLiteral("[plugin]\nfamilies=Alpha,Beta\n[Beta]\nbuildInfo=<b>Beta firmware</b> 2.1\n"));
    QTRY_VERIFY(window->footer() && window->footer()->isVisible());
    WindowFooter* footer = window->footer();
    const QPoint corner(3, footer->height() - 3);
    QWidget* target = footer->childAt(corner);
    QVERIFY(qobject_cast<SecretButton*>(target));
    QTest::mouseDClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFrom(footer, corner));
    QCoreApplication::processEvents();
    QVERIFY(!window->findChild<BuildDetailsDialog*>());
    QTest::mouseDClick(target, Qt::LeftButton, Qt::ShiftModifier, target->mapFrom(footer, corner));

    BuildDetailsDialog* dialog = nullptr;
    QTRY_VERIFY((dialog = window->findChild<BuildDetailsDialog*>()));
    QVERIFY(dialog->isModal());

    // A tab per family, the plug-in's own text in its family's.
    auto* tabs = dialog->findChild<QTabWidget*>();
    QVERIFY(tabs && tabs->count() == 2);
    QCOMPARE((QStringList{tabs->tabText(0), tabs->tabText(1)}), (QStringList{"Alpha", "Beta"}));
    auto* betaText = tabs->widget(1)->findChild<QLabel*>();
    QVERIFY(betaText);
    QCOMPARE(betaText->text(), QStringLiteral("<b>Beta firmware</b> 2.1"));

    const QRegularExpression layout(QStringLiteral("^\\*\\* Build information\n"
                                                   "\tTime:     \t\\d{12}\n"
                                                   "\tRC Tag:   \t\\S+\n"
                                                   "\tRevision: \t[0-9a-f]{40}\n$"));
    bool found = false;
    for (QLabel* label : dialog->findChildren<QLabel*>())
        found = found || layout.match(label->text()).hasMatch();
    QVERIFY2(found, "the build information block is missing or malformed");
    dialog->close();
}

// The program's single entry opens its page at once, told that it is about to
// be shown, in a dialog that covers the window as it is resized with the page in
// its middle; closing the page hands it back to its owner.
void TestAdminUtilityWindow::menuOpensItsSingleEntry()
{
    QWidget window;
    window.resize(800, 700);
    window.show();
    MainWindowMenuController controller(&window);
    CountingPage page;
    controller.addOption(QStringLiteral("Entry"), &page);
    controller.build(&window);

    QVERIFY(!controller.currentMenu());
    QPointer<MainWindowDialog> dialog = controller.currentDialog();
    QVERIFY(dialog);
    QCOMPARE(dialog->title(), QStringLiteral("Entry"));
    QCOMPARE(dialog->widget(), static_cast<MainWindowDialogWidget*>(&page));
    QCOMPARE(page.shown, 1);
    window.resize(1001, 761);
    QTRY_COMPARE(dialog->size(), QSize(1001, 761));
    QCOMPARE(dialog->contentFrame()->geometry().center(), dialog->rect().center());
    QTest::mouseClick(page.closeButton(), Qt::LeftButton);
    QTRY_VERIFY(!dialog);
    QVERIFY(!controller.currentDialog());
    QVERIFY(!page.parentWidget());
}

// A click anywhere closes it.
void TestAdminUtilityWindow::aboutBox()
{
    AboutBox box;
    box.show();
    QTest::mouseClick(&box, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QCOMPARE(box.result(), int(QDialog::Accepted));
    QVERIFY(!box.isVisible());
}

QTEST_MAIN(TestAdminUtilityWindow)
#include "tst_adminutilitywindow.moc"
