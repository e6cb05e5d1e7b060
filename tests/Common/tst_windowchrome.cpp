#include "AboutBox.h"
#include "AdminUtilityDialog.h"
#include "CardPushButton.h"
#include "DotsWidget.h"
#include "FamilyFedList.h"
#include "FlatImageButton.h"
#include "MainWindowDialog.h"
#include "MainWindowDialogWidget.h"
#include "MainWindowMenu.h"
#include "MainWindowMenuController.h"
#include "TightVBoxLayout.h"
#include "ViewSelectionBar.h"
#include "WindowFooter.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace
{
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

int shownDots(const DotsWidget& dots)
{
    int shown = 0;
    for (int i = 0; i < dots.dotCount(); ++i)
        shown += dots.dot(i)->isHidden() ? 0 : 1;
    return shown;
}
}

class TestWindowChrome : public QObject
{
    Q_OBJECT

private slots:
    void dots_data();
    void dots();
    void viewSwitchShowsHoverPictureOnlyUnderThePointer();
    void footerShowsSwitchOnlyWithDevices();
    void menuBuild_data();
    void menuBuild();
    void dialogFollowsTheWindow();
    void aboutBox();
};

// Devices are selected in the order given, then one is removed; a dot is then
// clicked: the last one shown, or the first when the last is already lit.
void TestWindowChrome::dots_data()
{
    QTest::addColumn<int>("devices");
    QTest::addColumn<QList<int>>("selections");
    QTest::addColumn<int>("removed");
    QTest::addColumn<int>("dots");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("lit");
    const int cap = DotsWidget::kMaxDots;

    QTest::newRow("no device, no dot") << 0 << QList<int>{} << -1 << 0 << false << 0 << -1;
    QTest::newRow("a single dot is hidden") << 1 << QList<int>{} << -1 << 1 << false << 0 << 0;
    QTest::newRow("removal drops a dot") << 3 << QList<int>{2} << 1 << 2 << true << 0 << 1;
    QTest::newRow("removal down to one hides it") << 2 << QList<int>{} << 0 << 1 << false << 0 << 0;
    QTest::newRow("a dot per device below the cap") << 10 << QList<int>{9} << -1 << 10 << true << 0 << 9;
    QTest::newRow("no more dots than the footer holds") << 1000 << QList<int>{0} << -1 << cap << true << 0 << 0;
    QTest::newRow("the dots follow the current device to the end")
        << 1000 << QList<int>{999} << -1 << cap << true << 1000 - cap << cap - 1;
    QTest::newRow("and back towards the start") << 1000 << QList<int>{999, 500} << -1 << cap << true << 500 << 0;
    QTest::newRow("a step within the dots moves none")
        << 1000 << QList<int>{999, 980} << -1 << cap << true << 1000 - cap << 980 - (1000 - cap);
}

void TestWindowChrome::dots()
{
    QFETCH(int, devices);
    QFETCH(QList<int>, selections);
    QFETCH(int, removed);
    QFETCH(int, dots);
    QFETCH(bool, shown);
    QFETCH(int, first);
    QFETCH(int, lit);

    FamilyFedList fixture(DeviceList::ArrivalOrder);
    DotsWidget widget(fixture.list);
    fixture.announce(devices);
    for (int index : qAsConst(selections))
        fixture.list.setCurrentDevice(index);
    if (removed >= 0)
        fixture.remove(removed);
    QCOMPARE(widget.dotCount(), dots);
    QCOMPARE(widget.firstDevice(), first);
    QCOMPARE(widget.markedDot(), lit);
    QCOMPARE(shownDots(widget), shown ? dots : 0);
    const QImage on = FlatImageButton(QStringLiteral(":/Dot_On")).image().toImage();
    const QImage off = FlatImageButton(QStringLiteral(":/Dot_Off")).image().toImage();
    QVERIFY2(on != off, "the dot pictures must differ for this test to mean anything");
    for (int i = 0; i < widget.dotCount(); ++i)
        QVERIFY2(widget.dot(i)->image().toImage() == (i == lit ? on : off), qPrintable(QString::number(i)));
    if (!shown)
        return;

    const int clicked = lit == dots - 1 ? 0 : dots - 1;
    QSignalSpy selected(&fixture.list, &DeviceList::deviceListSelected);
    QTest::mouseClick(widget.dot(clicked), Qt::LeftButton);
    QCOMPARE(fixture.list.getCurrentDeviceIndex(), first + clicked);
    QCOMPARE(widget.markedDot(), clicked);
    QCOMPARE(selected.count(), 1);
}

// The view on screen says which view is active; the buttons keep their
// normal pictures until the pointer is over them.
void TestWindowChrome::viewSwitchShowsHoverPictureOnlyUnderThePointer()
{
    ViewSelectionBar bar;
    bar.show();
    QSignalSpy listSelected(&bar, &ViewSelectionBar::listViewSelected);
    QTest::mouseClick(bar.listButton(), Qt::LeftButton);
    QCOMPARE(listSelected.count(), 1);
    QCOMPARE(bar.getActiveView(), int(ViewSelectionBar::ListView));
    for (FlatImageButton* button : {bar.galleryButton(), bar.listButton()}) {
        QVERIFY(!button->accessibleName().isEmpty());
        QVERIFY2(button->currentImage().toImage() == button->image().toImage(), qPrintable(button->accessibleName()));
    }
}

// The list emptied giving way to the gallery is the real-conditions suite's.
void TestWindowChrome::footerShowsSwitchOnlyWithDevices()
{
    FamilyFedList fixture;
    WindowFooter footer(fixture.list, nullptr, true);
    QVERIFY(footer.viewSelectionBar()->isHidden() && footer.dots()->isHidden());
    fixture.announce(1);
    QVERIFY(!footer.viewSelectionBar()->isHidden() && !footer.dots()->isHidden());
    fixture.remove(0);
    QVERIFY(footer.viewSelectionBar()->isHidden() && footer.dots()->isHidden());
}

// A single entry opens its page at once; of several, the second is chosen from the
// menu. Closing the page hands it back to its owner.
void TestWindowChrome::menuBuild_data()
{
    QTest::addColumn<int>("options");
    QTest::addColumn<int>("opened");

    QTest::newRow("no entries, nothing opens") << 0 << -1;
    QTest::newRow("a single entry opens its page directly") << 1 << 0;
    QTest::newRow("several entries show the menu") << 3 << 1;
}

void TestWindowChrome::menuBuild()
{
    QFETCH(int, options);
    QFETCH(int, opened);

    QWidget window;
    window.resize(800, 700);
    window.show();
    MainWindowMenuController controller(&window);
    std::vector<std::unique_ptr<CountingPage>> pages;
    for (int i = 0; i < options; ++i) {
        pages.push_back(std::make_unique<CountingPage>());
        controller.addOption(QStringLiteral("Entry %1").arg(i), pages.back().get());
    }
    controller.build(&window);

    QCOMPARE(controller.currentMenu() != nullptr, options > 1);
    QCOMPARE(controller.currentDialog() != nullptr, options == 1);
    if (options > 1) {
        const QList<QAction*> actions = controller.currentMenu()->actions();
        QCOMPARE(actions.size(), options);
        QCOMPARE(actions.at(opened)->text(), QStringLiteral("Entry %1").arg(opened));
        actions.at(opened)->trigger();
        controller.currentMenu()->close();
    }
    if (opened < 0)
        return;
    QPointer<MainWindowDialog> dialog = controller.currentDialog();
    QVERIFY(dialog);
    QCOMPARE(dialog->title(), QStringLiteral("Entry %1").arg(opened));
    QCOMPARE(dialog->widget(), static_cast<MainWindowDialogWidget*>(pages.at(opened).get()));
    for (int i = 0; i < options; ++i)
        QCOMPARE(pages.at(i)->shown, int(i == opened));
    QTest::mouseClick(pages.at(opened)->closeButton(), Qt::LeftButton);
    QTRY_VERIFY(!dialog);
    QVERIFY(!controller.currentDialog());
    QVERIFY(!pages.at(opened)->parentWidget());
}

void TestWindowChrome::dialogFollowsTheWindow()
{
    QWidget window;
    window.resize(800, 700);
    window.show();
    auto* dialog = new AdminUtilityDialog(&window);
    auto* content = new QWidget;
    content->setFixedSize(300, 200);
    dialog->contentLayout()->addWidget(content);
    dialog->show();

    window.resize(1000, 760);
    QTRY_COMPARE(dialog->size(), QSize(1000, 760));
    QCOMPARE(dialog->contentFrame()->geometry().center(), dialog->rect().center());
}

// A click anywhere closes it.
void TestWindowChrome::aboutBox()
{
    AboutBox box;
    box.show();
    QTest::mouseClick(&box, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QCOMPARE(box.result(), int(QDialog::Accepted));
    QVERIFY(!box.isVisible());
}

QTEST_MAIN(TestWindowChrome)
#include "tst_windowchrome.moc"
