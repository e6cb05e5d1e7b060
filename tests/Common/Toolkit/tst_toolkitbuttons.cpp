#include "BusyButton.h"
#include "ColourPalette.h"
#include "FlatImageButton.h"
#include "PointerEvents.h"
#include "TabButton.h"
#include "TabbedWidgets.h"

#include <QLabel>
#include <QPainter>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QtTest>

namespace
{
const QSize kPictureSize(10, 10);

QPixmap solid(const QColor& colour)
{
    QPixmap picture(kPictureSize);
    picture.fill(colour);
    return picture;
}

// Left half coloured, right half clear, so that a hover background shows through.
QPixmap leftHalf(const QColor& colour)
{
    QPixmap picture(kPictureSize);
    picture.fill(Qt::transparent);
    QPainter(&picture).fillRect(0, 0, kPictureSize.width() / 2, kPictureSize.height(), colour);
    return picture;
}

QColor shownAt(QWidget& widget, const QPoint& point)
{
    return widget.grab().toImage().pixelColor(point);
}

enum Picture { Disabled = 1, Hover = 2, HoverBackground = 4, Pressed = 8, Checked = 16 };
// (De)activate and Reenter: the window (de)activated under the pointer, then the pointer out and in again.
enum State { Off = 1, Pointer = 2, Down = 4, On = 8, Activate = 16, Deactivate = 32, Reenter = 64 };
enum BusyStep { NotBusy = 1, HideParent = 2, Hide = 4, Show = 8 };
}

class TestToolkitButtons : public QObject
{
    Q_OBJECT

private slots:
    void statePicture_data();
    void statePicture();
    void resizeToFit_data();
    void resizeToFit();
    void busyAnimationStops_data();
    void busyAnimationStops();
    void switchTabs_data();
    void switchTabs();
};

void TestToolkitButtons::statePicture_data()
{
    QTest::addColumn<int>("pictures");
    QTest::addColumn<int>("state");
    QTest::addColumn<QPoint>("probe");
    QTest::addColumn<QColor>("expected");

    const QPoint left(2, 5);
    const QPoint right(7, 5);
    const int all = Disabled | Hover | Pressed | Checked;
    QTest::newRow("normal") << all << 0 << left << QColor(Qt::red);
    QTest::newRow("hover") << all << int(Pointer) << left << QColor(Qt::green);
    QTest::newRow("no hover picture keeps normal") << 0 << int(Pointer) << left << QColor(Qt::red);
    QTest::newRow("pressed beats hover") << all << (Pointer | Down) << left << QColor(Qt::blue);
    QTest::newRow("pressed without picture shows hover") << int(Hover) << (Pointer | Down) << left
                                                         << QColor(Qt::green);
    QTest::newRow("checked") << all << int(On) << left << QColor(Qt::yellow);
    QTest::newRow("hover beats checked") << all << (Pointer | On) << left << QColor(Qt::green);
    QTest::newRow("disabled") << all << (Off | Pointer | Down | On) << left << QColor(Qt::gray);
    QTest::newRow("disabled without picture") << int(Hover) << (Off | Pointer) << left << QColor(Qt::red);
    QTest::newRow("hover background under hover") << (Hover | HoverBackground) << int(Pointer) << right
                                                  << QColor(Qt::magenta);
    QTest::newRow("hover background only while hovered") << (Hover | HoverBackground) << 0 << right
                                                         << QColor(Qt::red);
    QTest::newRow("no hover background when disabled") << (Hover | HoverBackground) << (Off | Pointer) << right
                                                       << QColor(Qt::red);
    QTest::newRow("no hover after the window is activated") << all << (Pointer | Activate) << left << QColor(Qt::red);
    QTest::newRow("no hover after the window is deactivated") << all << (Pointer | Deactivate) << left
                                                              << QColor(Qt::red);
    QTest::newRow("hover again once the pointer comes back") << all << (Pointer | Activate | Reenter) << left
                                                             << QColor(Qt::green);
}

void TestToolkitButtons::statePicture()
{
    QFETCH(int, pictures);
    QFETCH(int, state);
    QFETCH(QPoint, probe);
    QFETCH(QColor, expected);

    FlatImageButton button(solid(Qt::red));
    if (pictures & Disabled)
        button.setDisabledImage(solid(Qt::gray));
    if (pictures & Hover)
        button.setHoverImage(leftHalf(Qt::green));
    if (pictures & HoverBackground)
        button.setHoverBackgroundImage(solid(Qt::magenta));
    if (pictures & Pressed)
        button.setPressedImage(solid(Qt::blue));
    if (pictures & Checked)
        button.setCheckedImage(solid(Qt::yellow));
    button.setCheckable(true);
    button.setChecked(state & On);
    button.setDown(state & Down);
    button.setEnabled(!(state & Off));
    if (state & Pointer)
        sendEnter(button);
    if (state & (Activate | Deactivate)) {
        QEvent activation(state & Activate ? QEvent::WindowActivate : QEvent::WindowDeactivate);
        QApplication::sendEvent(&button, &activation);
    }
    if (state & Reenter) {
        sendLeave(button);
        sendEnter(button);
    }
    QCOMPARE(shownAt(button, probe), expected);
}

void TestToolkitButtons::resizeToFit_data()
{
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QSize>("expected");

    QTest::newRow("1x") << QSize(30, 20) << 1.0 << QSize(30, 20);
    QTest::newRow("2x") << QSize(60, 40) << 2.0 << QSize(30, 20);
    QTest::newRow("2x odd rounds to nearest") << QSize(61, 43) << 2.0 << QSize(31, 22);
    QTest::newRow("missing picture keeps size") << QSize() << 1.0 << QSize(12, 12);
}

void TestToolkitButtons::resizeToFit()
{
    QFETCH(QSize, pixels);
    QFETCH(qreal, ratio);
    QFETCH(QSize, expected);

    FlatImageButton button(solid(Qt::red).scaled(12, 12));
    QPixmap picture;
    if (pixels.isValid())
    {
        picture = QPixmap(pixels);
        picture.fill(Qt::blue);
        picture.setDevicePixelRatio(ratio);
    }
    button.setImage(picture);
    QCOMPARE(button.size(), expected);
    QCOMPARE(button.maximumSize(), expected);
}

void TestToolkitButtons::busyAnimationStops_data()
{
    QTest::addColumn<int>("steps");
    QTest::addColumn<bool>("animating");

    QTest::newRow("busy and shown") << 0 << true;
    QTest::newRow("hidden") << int(Hide) << false;
    QTest::newRow("parent hidden") << int(HideParent) << false;
    QTest::newRow("no longer busy") << int(NotBusy) << false;
    QTest::newRow("hidden and shown again") << (Hide | Show) << true;
    QTest::newRow("shown again but not busy") << (NotBusy | Hide | Show) << false;
}

// The steps are taken in the order of their flags.
void TestToolkitButtons::busyAnimationStops()
{
    QFETCH(int, steps);
    QFETCH(bool, animating);

    QWidget window;
    auto* busy = new BusyButton(&window);
    window.show();
    QVERIFY(!busy->isAnimating());
    busy->setBusy(true);
    QVERIFY(busy->isAnimating());

    if (steps & NotBusy)
        busy->setBusy(false);
    if (steps & HideParent)
        window.hide();
    if (steps & Hide)
        busy->hide();
    if (steps & Show)
        busy->show();

    QCOMPARE(busy->isAnimating(), animating);
    if (!animating)
        return;
    // The frames run round from the last to the first.
    QTRY_COMPARE(busy->frame(), BusyButton::kFrameCount);
    QTRY_COMPARE(busy->frame(), 1);
    QTRY_COMPARE(busy->frame(), 2);
}

void TestToolkitButtons::switchTabs_data()
{
    QTest::addColumn<QVector<int>>("clicks");
    QTest::addColumn<int>("select");
    QTest::addColumn<int>("current");

    QTest::newRow("nothing done: first tab") << QVector<int>() << -1 << 0;
    QTest::newRow("click the last") << QVector<int>{2} << -1 << 2;
    QTest::newRow("click there and back") << QVector<int>{2, 0} << -1 << 0;
    QTest::newRow("select the second") << QVector<int>() << 1 << 1;
    QTest::newRow("select after a click") << QVector<int>{2} << 1 << 1;
    QTest::newRow("select past the end is ignored") << QVector<int>{1} << 3 << 1;
}

void TestToolkitButtons::switchTabs()
{
    QFETCH(QVector<int>, clicks);
    QFETCH(int, select);
    QFETCH(int, current);

    TabbedWidgets tabs(ColourPalette::kMilkGray);
    for (const char* title : {"Video Output", "Video Input", "Audio"})
        tabs.addTab(new QLabel(QString::fromLatin1(title)), QString::fromLatin1(title));
    tabs.resize(600, 300);
    tabs.show();
    for (int index : clicks)
        QTest::mouseClick(tabs.tabButton(index), Qt::LeftButton);
    if (select >= 0)
        tabs.selectTab(select);

    QCOMPARE(tabs.currentTab(), current);
    QCOMPARE(tabs.findChild<QStackedWidget*>()->currentWidget(), tabs.tabPage(current));
    // Only the current tab is checked and underlined in the accent colour.
    for (int i = 0; i < tabs.numTabs(); ++i) {
        QCOMPARE(tabs.tabButton(i)->isChecked(), i == current);
        const QColor line = shownAt(*tabs.tabButton(i), QPoint(1, TabButton::kUnderlineY));
        QCOMPARE(line == ColourPalette::kAccentColour, i == current);
    }
}

QTEST_MAIN(TestToolkitButtons)
#include "tst_toolkitbuttons.moc"
