#include "AdminUtilityWindow.h"
#include "AppDefaults.h"
#include "BuildDetailsDialog.h"
#include "DotsWidget.h"
#include "FakeDevice.h"
#include "FakeFamily.h"
#include "FamilyFedList.h"
#include "FlatImageButton.h"
#include "PluginScanner.h"
#include "PluginTree.h"
#include "SecretButton.h"
#include "ViewSelectionBar.h"
#include "VisibleDevicesWidget.h"
#include "WindowFooter.h"

#include <QLabel>
#include <QScreen>
#include <QSettings>
#include <QStackedWidget>
#include <QTabWidget>
#include <QtTest>

#include <memory>

namespace
{
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

const char* const kTwoFamilies = "[plugin]\nfamilies=Alpha,Beta\n"
                                 "[Alpha]\ndevices=Cam A1,Cam A2\n"
                                 "[Beta]\ndevices=Cam B1\n";
}

class TestAdminUtilityWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void familiesStartInOrderOnTheFirstTurn();
    void requestsGoToTheAnnouncingFamily_data();
    void requestsGoToTheAnnouncingFamily();
    void closeVeto_data();
    void closeVeto();
    void geometryIsKeptAcrossRuns_data();
    void geometryIsKeptAcrossRuns();
    void viewSwitch_data();
    void viewSwitch();
    void buildDetails_data();
    void buildDetails();

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

void TestAdminUtilityWindow::familiesStartInOrderOnTheFirstTurn()
{
    auto window = startWindow(QString::fromLatin1(kTwoFamilies));
    // Nothing is looked for before the event loop runs.
    QCOMPARE(FakeFamily::log(), QStringList());
    QTRY_COMPARE(FakeFamily::log(), (QStringList{"Alpha:init", "Beta:init"}));
    // Devices announced from within init() reach the list; the base window sorts by name.
    QCOMPARE(window->deviceList().numberOfDevice(), 3);
    QCOMPARE(window->deviceList().deviceAt(2)->deviceName(), QStringLiteral("Cam B1"));

    // Start-up runs once, however often it is asked for.
    window->postShowStartup();
    QCOMPARE(window->findChildren<WindowFooter*>().size(), 1);
    QCOMPARE(FakeFamily::log(), (QStringList{"Alpha:init", "Beta:init"}));
    QCOMPARE(window->deviceList().numberOfDevice(), 3);
}

void TestAdminUtilityWindow::requestsGoToTheAnnouncingFamily_data()
{
    QTest::addColumn<QString>("request");
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("expected");

    // The real program routes settings and updates to its local and network families
    // in the end-to-end suites; these are the requests those never make.
    QTest::newRow("settings of a second-family device") << "showDevice" << "Cam B1" << "Beta:showDevice:Cam B1";
    QTest::newRow("control application") << "showControlApp" << "Cam B1" << "Beta:showControlApp:Cam B1";
    QTest::newRow("device of no family is ignored") << "showDevice" << "Unlisted" << "";
    QTest::newRow("null device is ignored") << "updateFirmware" << "" << "";
}

void TestAdminUtilityWindow::requestsGoToTheAnnouncingFamily()
{
    QFETCH(QString, request);
    QFETCH(QString, device);
    QFETCH(QString, expected);

    auto window = startWindow(QString::fromLatin1(kTwoFamilies));
    QTRY_COMPARE(window->deviceList().numberOfDevice(), 3);
    FakeFamily::clearLog();

    FakeDevice unlisted(QStringLiteral("Unlisted"));
    const int index = deviceNames(window->deviceList()).indexOf(device);
    VisibleDevice* target = index >= 0 ? window->deviceList().deviceAt(index) : device.isEmpty() ? nullptr : &unlisted;
    QVERIFY(QMetaObject::invokeMethod(window.get(), request.toLatin1().constData(), Q_ARG(VisibleDevice*, target)));
    QCOMPARE(FakeFamily::log(), expected.isEmpty() ? QStringList() : QStringList{expected});
}

void TestAdminUtilityWindow::closeVeto_data()
{
    QTest::addColumn<QString>("config");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<QStringList>("asked");

    const QString families = QStringLiteral("[plugin]\nfamilies=Alpha,Beta,Gamma\n");
    QTest::newRow("nobody vetoes") << families << true
                                   << QStringList{"Alpha:okToClose", "Beta:okToClose", "Gamma:okToClose"};
    QTest::newRow("first refusal stops the asking")
        << families + "[Beta]\nvetoClose=true\n" << false << QStringList{"Alpha:okToClose", "Beta:okToClose"};
    QTest::newRow("first family vetoes") << families + "[Alpha]\nvetoClose=true\n" << false
                                         << QStringList{"Alpha:okToClose"};
}

void TestAdminUtilityWindow::closeVeto()
{
    QFETCH(QString, config);
    QFETCH(bool, closes);
    QFETCH(QStringList, asked);

    auto window = startWindow(config);
    QTRY_VERIFY(window->footer());
    FakeFamily::clearLog();

    QCOMPARE(window->close(), closes);
    QCOMPARE(window->isVisible(), !closes);
    QCOMPARE(FakeFamily::log(), asked);
    const QSettings settings(QStringLiteral("Orvanta"), AppDefaults::settingsProductKey());
    QCOMPARE(settings.contains(QStringLiteral("geometry")), closes);

    // Whether it closed or not, the window destroys its families in their order.
    FakeFamily::clearLog();
    window.reset();
    QCOMPARE(FakeFamily::log(), (QStringList{"Alpha:destroy", "Beta:destroy", "Gamma:destroy"}));
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

void TestAdminUtilityWindow::viewSwitch_data()
{
    QTest::addColumn<bool>("hasListView");
    QTest::newRow("window with a list view") << true;
    QTest::newRow("window without a list view") << false;
}

void TestAdminUtilityWindow::viewSwitch()
{
    QFETCH(bool, hasListView);

    auto window = startWindow(QString::fromLatin1(kTwoFamilies), hasListView ? new WindowWithListView : nullptr);
    QTRY_COMPARE(window->deviceList().numberOfDevice(), 3);
    QCOMPARE(window->pageStack()->count(), hasListView ? 2 : 1);
    ViewSelectionBar* bar = window->footer()->viewSelectionBar();
    QCOMPARE(bar != nullptr, hasListView);
    if (!hasListView)
        return;

    QTRY_VERIFY(bar->isVisible());
    QTest::mouseClick(bar->listButton(), Qt::LeftButton);
    QCOMPARE(window->pageStack()->currentIndex(), 1);
    QVERIFY(window->footer()->dots()->isHidden());
    QCOMPARE(bar->getActiveView(), 2);

    // The dots stay away while the list is shown, whatever the list does.
    window->deviceList().selectNextDevice();
    QVERIFY(window->footer()->dots()->isHidden());

    QTest::mouseClick(bar->galleryButton(), Qt::LeftButton);
    QCOMPARE(window->pageStack()->currentWidget(), static_cast<QWidget*>(window->gallery()));
    QVERIFY(!window->footer()->dots()->isHidden());
}

void TestAdminUtilityWindow::buildDetails_data()
{
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("opens");
    QTest::newRow("shift and double click") << Qt::KeyboardModifiers(Qt::ShiftModifier) << true;
    QTest::newRow("plain double click") << Qt::KeyboardModifiers(Qt::NoModifier) << false;
}

void TestAdminUtilityWindow::buildDetails()
{
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, opens);

    auto window = startWindow(QStringLiteral("[plugin]\nfamilies=Alpha,Beta\n[Beta]\nbuildInfo=<b>Beta firmware</b> 2.1\n"));
    QTRY_VERIFY(window->footer() && window->footer()->isVisible());
    // The bottom-left corner of the footer is the trigger.
    WindowFooter* footer = window->footer();
    const QPoint corner(3, footer->height() - 3);
    QWidget* target = footer->childAt(corner);
    QVERIFY(qobject_cast<SecretButton*>(target));
    QTest::mouseDClick(target, Qt::LeftButton, modifiers, target->mapFrom(footer, corner));

    if (!opens) {
        QCoreApplication::processEvents();
        QVERIFY(!window->findChild<BuildDetailsDialog*>());
        return;
    }
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

QTEST_MAIN(TestAdminUtilityWindow)
#include "tst_adminutilitywindow.moc"
