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
enum State { Off = 1, Pointer = 2, Down = 4, On = 8 };
enum BusyStep { NotBusy = 1, HideParent = 2, Hide = 4, Show = 8 };
}

class TestToolkitButtons : public QObject
{
    Q_OBJECT

private slots:
    void statePicture_data();
    void statePicture();
    void hoverSuppressedAfterActivation_data();
    void hoverSuppressedAfterActivation();
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

    QCOMPARE(shownAt(button, probe), expected);
}

void TestToolkitButtons::hoverSuppressedAfterActivation_data()
{
    QTest::addColumn<int>("windowEvent");
    QTest::newRow("activated") << int(QEvent::WindowActivate);
    QTest::newRow("deactivated") << int(QEvent::WindowDeactivate);
}

void TestToolkitButtons::hoverSuppressedAfterActivation()
{
    QFETCH(int, windowEvent);
    FlatImageButton button(solid(Qt::red));
    button.setHoverImage(solid(Qt::green));
    sendEnter(button);
    QCOMPARE(shownAt(button, QPoint(2, 2)), QColor(Qt::green));

    QEvent activation(static_cast<QEvent::Type>(windowEvent));
    QApplication::sendEvent(&button, &activation);
    QCOMPARE(shownAt(button, QPoint(2, 2)), QColor(Qt::red));

    sendLeave(button);
    sendEnter(button);
    QCOMPARE(shownAt(button, QPoint(2, 2)), QColor(Qt::green));
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

namespace
{
struct ThreeTabs
{
    ThreeTabs()
        : tabs(ColourPalette::kMilkGray)
    {
        for (const char* title : {"Video Output", "Video Input", "Audio"})
            tabs.addTab(new QLabel(QString::fromLatin1(title)), QString::fromLatin1(title));
        tabs.resize(600, 300);
        tabs.show();
    }

    QStackedWidget* pages() const { return tabs.findChild<QStackedWidget*>(); }

    int checkedButtons() const
    {
        int checked = 0;
        for (int i = 0; i < tabs.numTabs(); ++i)
            checked += tabs.tabButton(i)->isChecked() ? 1 : 0;
        return checked;
    }

    TabbedWidgets tabs;
};
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

    ThreeTabs three;
    for (int index : clicks)
        QTest::mouseClick(three.tabs.tabButton(index), Qt::LeftButton);
    if (select >= 0)
        three.tabs.selectTab(select);

    QCOMPARE(three.tabs.currentTab(), current);
    QCOMPARE(three.pages()->currentWidget(), three.tabs.tabPage(current));
    QVERIFY(three.tabs.tabButton(current)->isChecked());
    QCOMPARE(three.checkedButtons(), 1);
    // Only the current tab is underlined in the accent colour.
    for (int i = 0; i < three.tabs.numTabs(); ++i) {
        const QColor line = shownAt(*three.tabs.tabButton(i), QPoint(1, TabButton::kUnderlineY));
        QCOMPARE(line == ColourPalette::kAccentColour, i == current);
    }
}

QTEST_MAIN(TestToolkitButtons)
#include "tst_toolkitbuttons.moc"
