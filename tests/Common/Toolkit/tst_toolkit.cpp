#include "BusyButton.h"
#include "ColourPalette.h"
#include "CommonGui.h"
#include "CustomLineEdit.h"
#include "CustomScrollBar.h"
#include "ElidedLabel.h"
#include "FlatImageButton.h"
#include "HorizontalScrollArea.h"
#include "RolloverIcon.h"
#include "RolloverIconCallout.h"

#include <QEnterEvent>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

namespace
{
QPixmap solid(const QColor& colour)
{
    QPixmap picture(10, 10);
    picture.fill(colour);
    return picture;
}

// The pointer entering and leaving a widget, without a real pointer to move.
void sendEnter(QWidget& widget)
{
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), widget.mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(&widget, &enter);
}

void sendLeave(QWidget& widget)
{
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&widget, &leave);
}

int alphaOf(const QLabel& label)
{
    const QImage image = label.pixmap(Qt::ReturnByValue).toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2).alpha();
}

QWidget* fixedBox(int width, int height)
{
    auto* box = new QWidget;
    box->setFixedSize(width, height);
    return box;
}

// Counts the Escape presses that reach it from a child.
class EscapeCatcher : public QWidget
{
public:
    int escapes = 0;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Escape)
            ++escapes;
    }
};

enum Picture { Hover = 1, Pressed = 2, Checked = 4 };
// (De)activate and Reenter: the window (de)activated under the pointer, then the pointer out and in again.
enum State { Off = 1, Pointer = 2, Down = 4, On = 8, Activate = 16, Deactivate = 32, Reenter = 64 };
enum BusyStep { NotBusy = 1, HideParent = 2, Hide = 4, Show = 8 };
}

// The toolkit's widgets and helpers as the program uses them. Tab switching is
// driven through every card tab by the end-to-end tab suite.
class TestToolkit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void statePicture_data();
    void statePicture();
    void resizeToFit();
    void busyAnimationStops_data();
    void busyAnimationStops();
    void rolloverCallout();
    void lineEditCommit_data();
    void lineEditCommit();
    void scrollAreaFollowsContent_data();
    void scrollAreaFollowsContent();
    void elidedLabel_data();
    void elidedLabel();
    void htmlColourTakesTheAlphaGiven();
    void fontStyles_data();
    void fontStyles();
    void fixedPoint_data();
    void fixedPoint();
};

void TestToolkit::initTestCase()
{
    // The test harness pins font conversion to 96 dpi; the program converts
    // at the screen's own resolution, and so must this test.
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi, false);
    // As the main window does; the styles must then resolve to these faces.
    QCOMPARE(CommonGui::registerApplicationFonts(), 3);
}

void TestToolkit::statePicture_data()
{
    QTest::addColumn<int>("pictures");
    QTest::addColumn<int>("state");
    QTest::addColumn<QColor>("expected");

    const int all = Hover | Pressed | Checked;
    QTest::newRow("normal") << all << 0 << QColor(Qt::red);
    QTest::newRow("hover") << all << int(Pointer) << QColor(Qt::green);
    QTest::newRow("no hover picture keeps normal") << 0 << int(Pointer) << QColor(Qt::red);
    QTest::newRow("pressed beats hover") << all << (Pointer | Down) << QColor(Qt::blue);
    QTest::newRow("pressed without picture shows hover") << int(Hover) << (Pointer | Down) << QColor(Qt::green);
    QTest::newRow("checked") << all << int(On) << QColor(Qt::yellow);
    QTest::newRow("hover beats checked") << all << (Pointer | On) << QColor(Qt::green);
    QTest::newRow("disabled shows normal") << all << (Off | Pointer | Down | On) << QColor(Qt::red);
    QTest::newRow("no hover after the window is activated") << all << (Pointer | Activate) << QColor(Qt::red);
    QTest::newRow("no hover after the window is deactivated") << all << (Pointer | Deactivate) << QColor(Qt::red);
    QTest::newRow("hover again once the pointer comes back") << all << (Pointer | Activate | Reenter)
                                                             << QColor(Qt::green);
}

void TestToolkit::statePicture()
{
    QFETCH(int, pictures);
    QFETCH(int, state);
    QFETCH(QColor, expected);

    FlatImageButton button(solid(Qt::red));
    if (pictures & Hover)
        button.setHoverImage(solid(Qt::green));
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
    QCOMPARE(button.grab().toImage().pixelColor(5, 5), expected);
}

// The button takes the picture's size in logical pixels, a 2x picture's as well as
// a 1x one's (the resource suite holds every 2x picture at twice its 1x size).
void TestToolkit::resizeToFit()
{
    for (const qreal ratio : {1.0, 2.0}) {
        FlatImageButton button(solid(Qt::red).scaled(12, 12));
        QPixmap picture(QSize(30, 20) * ratio);
        picture.fill(Qt::blue);
        picture.setDevicePixelRatio(ratio);
        button.setImage(picture);
        QCOMPARE(button.size(), QSize(30, 20));
        QCOMPARE(button.maximumSize(), QSize(30, 20));
    }
}

void TestToolkit::busyAnimationStops_data()
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
void TestToolkit::busyAnimationStops()
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

// The program always hands the settings tab as the callout's parent.
void TestToolkit::rolloverCallout()
{
    QWidget window;
    window.resize(400, 300);
    auto* row = new QWidget(&window);
    row->setGeometry(50, 40, 200, 30);
    auto* info = new RolloverIcon(solid(Qt::white), QStringLiteral("This generates a detailed status report for later reference."),
                                  row, &window);
    info->move(100, 5);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const int faint = alphaOf(*info);
    QVERIFY2(faint < 255, qPrintable(QString::number(faint)));
    RolloverIconCallout* callout = info->callout();
    QCOMPARE(callout->parentWidget(), &window);
    QVERIFY(!callout->isVisible());

    sendEnter(*info);
    QVERIFY(callout->isVisible());
    QCOMPARE(alphaOf(*info), 255);
    const QRect iconOnScreen(info->mapToGlobal(QPoint(0, 0)), info->size());
    const QRect calloutOnScreen(callout->mapToGlobal(QPoint(0, 0)), callout->size());
    QVERIFY(calloutOnScreen.top() > iconOnScreen.bottom());
    QVERIFY2(qAbs(calloutOnScreen.center().x() - iconOnScreen.center().x()) <= 1,
             qPrintable(QStringLiteral("callout %1, icon %2").arg(calloutOnScreen.center().x()).arg(iconOnScreen.center().x())));

    sendLeave(*info);
    QVERIFY(!callout->isVisible());
    QCOMPARE(alphaOf(*info), faint);
}

// The edit ends with the key given, or with the focus moving away (no key); a
// null text types nothing, and Escape on an untouched edit is the window's, so
// that a dialog still closes. What was committed is what Escape goes back to.
void TestToolkit::lineEditCommit_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("finish");
    QTest::addColumn<QString>("text");

    const int enter = Qt::Key_Return;
    const int escape = Qt::Key_Escape;
    QTest::newRow("return with new text") << "75" << enter << "75";
    QTest::newRow("return with the same text") << "50" << enter << "50";
    QTest::newRow("escape restores") << "75" << escape << "50";
    QTest::newRow("escape untouched reaches the window") << QString() << escape << "50";
    QTest::newRow("leaving with new text") << "75" << 0 << "75";
    QTest::newRow("leaving with unacceptable text restores") << "" << 0 << "50";
    QTest::newRow("return with unacceptable text does nothing") << "" << enter << "";
}

void TestToolkit::lineEditCommit()
{
    QFETCH(QString, typed);
    QFETCH(int, finish);
    QFETCH(QString, text);
    // The text left is committed unless the validator refuses it (the edit starts at 50).
    const QString defaultText = text.isEmpty() ? QStringLiteral("50") : text;

    EscapeCatcher window;
    auto* edit = new CustomLineEdit(&window);
    auto* other = new QLineEdit(&window);
    other->move(0, 40);
    QIntValidator percent(1, 100);
    edit->setValidator(&percent);
    edit->setDefaultText(QStringLiteral("50"));
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());

    if (!typed.isNull()) {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, typed);
    }
    QCOMPARE(edit->isEdited(), !typed.isNull());
    if (finish)
        QTest::keyClick(edit, Qt::Key(finish));
    else
        other->setFocus();

    QTRY_COMPARE(edit->hasFocus(), finish != 0);
    QCOMPARE(edit->text(), text);
    QCOMPARE(edit->defaultText(), defaultText);
    QCOMPARE(edit->isEdited(), text != defaultText);
    QCOMPARE(window.escapes, typed.isNull() && finish == Qt::Key_Escape ? 1 : 0);
}

void TestToolkit::scrollAreaFollowsContent_data()
{
    QTest::addColumn<int>("remainingWidth");
    QTest::addColumn<QSize>("expected");
    QTest::addColumn<bool>("scrolls");

    // Three boxes of 50 x 30 with a spacing of 12: the row is 174 wide.
    QTest::newRow("no limit") << 0 << QSize(174, 30) << false;
    QTest::newRow("exactly enough") << 174 << QSize(174, 30) << false;
    QTest::newRow("too narrow") << 100 << QSize(100, 30 + CustomScrollBar(Qt::Horizontal).sizeHint().height()) << true;
}

void TestToolkit::scrollAreaFollowsContent()
{
    QFETCH(int, remainingWidth);
    QFETCH(QSize, expected);
    QFETCH(bool, scrolls);

    QWidget window;
    auto* area = new HorizontalScrollArea(&window);
    area->setWidgetResizable(true);
    auto* content = new QWidget;
    auto* row = new QHBoxLayout(content);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(12);
    row->addWidget(fixedBox(50, 30));
    row->addWidget(fixedBox(50, 30));
    area->setWidget(content);
    area->setRemainingWidth(remainingWidth);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QSignalSpy changed(area, &HorizontalScrollArea::outputWidgetChanged);
    row->addWidget(fixedBox(50, 30));
    QVERIFY(changed.wait());
    QCOMPARE(area->size(), expected);
    QTRY_COMPARE(area->horizontalScrollBar()->maximum() > 0, scrolls);
    QCOMPARE(area->horizontalScrollBar()->isVisible(), scrolls);

    // A vertical wheel never scrolls the area.
    QScrollBar* vertical = area->verticalScrollBar();
    vertical->setRange(0, 100);
    vertical->setValue(50);
    QWheelEvent wheel(QPointF(1, 1), QPointF(1, 1), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QVERIFY(QApplication::sendEvent(vertical, &wheel));
    QCOMPARE(vertical->value(), 50);
}

void TestToolkit::elidedLabel_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("elided");

    QTest::newRow("fits") << 600 << false;
    QTest::newRow("too narrow") << 60 << true;
    QTest::newRow("no width at all") << 0 << true;
}

void TestToolkit::elidedLabel()
{
    QFETCH(int, width);
    QFETCH(bool, elided);

    const QString text = QStringLiteral("Lumaris Studio 4K Pro 12G (2)");
    ElidedLabel label(text);
    label.resize(width, 20);
    QCOMPARE(label.text(), text);
    QCOMPARE(label.isElided(), elided);
    QVERIFY(label.fontMetrics().horizontalAdvance(label.displayedText()) <= width);
    if (elided && width > 0)
        QVERIFY2(label.displayedText().endsWith(QChar(0x2026)), qPrintable(label.displayedText()));
    label.resize(label.sizeHint().width() + 10, 20);
    QCOMPARE(label.displayedText(), text);
    QCOMPARE(label.minimumSizeHint().width(), 0);
}

// Style sheets get the alpha asked for, not the colour's own.
void TestToolkit::htmlColourTakesTheAlphaGiven()
{
    QCOMPARE(ColourPalette::toHtmlQString(QColor(1, 2, 3, 4), 100), QStringLiteral("rgba(1, 2, 3, 100)"));
}

// One style of each face, in pixels whatever the screen's resolution (the suite
// runs once more at 144 dpi): the layouts around the texts are in pixels too.
void TestToolkit::fontStyles_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<int>("weight");

    QTest::newRow("title, light") << int(CommonGui::kFontTitle) << 30 << int(QFont::Light);
    QTest::newRow("body, regular") << int(CommonGui::kFontBody) << 13 << int(QFont::Normal);
    QTest::newRow("small, semibold") << int(CommonGui::kFontSmallSemibold) << 11 << int(QFont::DemiBold);
}

void TestToolkit::fontStyles()
{
    QFETCH(int, style);
    QFETCH(int, pixels);
    QFETCH(int, weight);

    const QFont font = CommonGui::font(style);
    const QFontInfo resolved(font);
    QCOMPARE(resolved.pixelSize(), pixels);
    QVERIFY2(resolved.family().startsWith(QLatin1String("Open Sans")), qPrintable(resolved.family()));
    // The weight picks the face: light, regular or semibold Open Sans.
    QCOMPARE(resolved.weight(), weight);
}

void TestToolkit::fixedPoint_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<int>("fixed");
    QTest::addColumn<double>("back");

    QTest::newRow("one decimal") << 1.5 << 1 << 15 << 1.5;
    QTest::newRow("negative bound") << -10.0 << 1 << -100 << -10.0;
    QTest::newRow("half rounds up") << 0.25 << 1 << 3 << 0.3;
    QTest::newRow("negative half rounds up") << -2.5 << 0 << -2 << -2.0;
    QTest::newRow("negative below half rounds down") << -2.6 << 0 << -3 << -3.0;
    QTest::newRow("negative half of the last place is zero") << -0.05 << 1 << 0 << 0.0;
    QTest::newRow("decimal text just under half in binary") << 1.005 << 2 << 101 << 1.01;
    QTest::newRow("three decimals") << -0.0015 << 3 << -1 << -0.001;
}

void TestToolkit::fixedPoint()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(int, fixed);
    QFETCH(double, back);
    QCOMPARE(CommonGui::toFixedPoint(value, decimals), fixed);
    QCOMPARE(CommonGui::fromFixedPoint(fixed, decimals), back);
}

QTEST_MAIN(TestToolkit)
#include "tst_toolkit.moc"
