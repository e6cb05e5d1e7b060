#include "AdminUtilityApplication.h"
#include "CustomNoFocusRectStyle.h"
#include "MainWindowAnimator.h"
#include "MarlixAdminUtilityWindow.h"
#include "RolloverIcon.h"
#include "RolloverIconCallout.h"

#include <QScreen>
#include <QPainter>
#include <QSettings>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStyleOption>
#include <QtTest>

namespace
{
// Where the wheel is turned: a control of the window, one in the popup, a rollover icon.
enum Receiver { Behind, InPopup, Rollover };

class WheelCounter : public QObject
{
public:
    int wheels = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Wheel)
            ++wheels;
        return false;
    }
};

void sendWheel(QWidget* receiver)
{
    const QPointF centre = QRectF(receiver->rect()).center();
    QWheelEvent wheel(centre, QPointF(receiver->mapToGlobal(centre.toPoint())), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(receiver, &wheel);
}

// Each primitive is drawn with the option type the styles expect for it.
QImage drawPrimitive(const QStyle* style, QStyle::PrimitiveElement element)
{
    QStyleOptionFocusRect focus;
    QStyleOptionButton button;
    QStyleOption* option = element == QStyle::PE_FrameFocusRect ? static_cast<QStyleOption*>(&focus)
                                                                : static_cast<QStyleOption*>(&button);
    option->rect = QRect(2, 2, 30, 30);
    option->state = QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange | QStyle::State_Enabled;
    option->palette = QApplication::palette();

    QImage image(40, 40, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    style->drawPrimitive(element, option, &painter, nullptr);
    return image;
}

bool isBlank(const QImage& image)
{
    QImage blank(image.size(), image.format());
    blank.fill(Qt::transparent);
    return image == blank;
}

// A page whose preferred width the test chooses, without a minimum width.
class PreferredWidthPage : public QWidget
{
public:
    explicit PreferredWidthPage(int width) : m_width(width) {}
    QSize sizeHint() const override { return QSize(m_width, 100); }

private:
    int m_width;
};
}

class TestShell : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void wheelFilter_data();
    void wheelFilter();
    void noFocusRectangles_data();
    void noFocusRectangles();
    void windowWidensToItsContent();

private:
    QTemporaryDir m_settings;
};

void TestShell::initTestCase()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
}

void TestShell::wheelFilter_data()
{
    QTest::addColumn<int>("receiver");
    QTest::addColumn<bool>("popupOpen");
    QTest::addColumn<bool>("delivered");

    QTest::newRow("no popup, a control scrolls") << int(Behind) << false << true;
    QTest::newRow("popup open, the control behind it does not") << int(Behind) << true << false;
    QTest::newRow("popup open, a control inside it scrolls") << int(InPopup) << true << true;
    QTest::newRow("a rollover icon never scrolls") << int(Rollover) << false << false;
}

void TestShell::wheelFilter()
{
    QFETCH(int, receiver);
    QFETCH(bool, popupOpen);
    QFETCH(bool, delivered);

    QWidget window;
    auto* behind = new QSpinBox(&window);
    auto* rollover = new RolloverIcon(QPixmap(16, 16), QStringLiteral("hint"), &window, &window);
    window.show();
    QWidget popup(nullptr, Qt::Popup);
    auto* inside = new QSpinBox(&popup);
    if (popupOpen) {
        popup.show();
        QTRY_COMPARE(QApplication::activePopupWidget(), &popup);
    }

    QWidget* const receivers[] = {behind, inside, rollover};
    QWidget* target = receivers[receiver];
    WheelCounter counter;
    target->installEventFilter(&counter);
    const int before = behind->value() + inside->value();
    sendWheel(target);

    QCOMPARE(counter.wheels, delivered ? 1 : 0);
    if (target != rollover)
        QCOMPARE(behind->value() + inside->value() != before, delivered);
    popup.close();
}

void TestShell::noFocusRectangles_data()
{
    QTest::addColumn<int>("element");
    QTest::addColumn<bool>("drawn");

    QTest::newRow("focus rectangle") << int(QStyle::PE_FrameFocusRect) << false;
    QTest::newRow("check box indicator") << int(QStyle::PE_IndicatorCheckBox) << true;
}

void TestShell::noFocusRectangles()
{
    QFETCH(int, element);
    QFETCH(bool, drawn);

    auto* style = qobject_cast<CustomNoFocusRectStyle*>(QApplication::style());
    QVERIFY2(style, "the application must use the style without focus rectangles");
    const QImage base = drawPrimitive(style->baseStyle(), QStyle::PrimitiveElement(element));
    const QImage ours = drawPrimitive(style, QStyle::PrimitiveElement(element));
    QVERIFY2(!isBlank(base), "the platform style draws this primitive");
    QCOMPARE(!isBlank(ours), drawn);
    if (drawn)
        QCOMPARE(ours, base);
}

// The test platform's screen is 800 pixels wide: content wider than that widens
// the window, gradually, to the screen's edge and no further. The real-conditions
// suite widens the window to a list that fits the screen.
void TestShell::windowWidensToItsContent()
{
    MarlixAdminUtilityWindow window;
    window.show();
    QTRY_VERIFY(window.isVisible());
    const int before = window.width();
    window.pageStack()->addWidget(new PreferredWidthPage(1000));
    const int target = window.screen()->availableGeometry().width();
    QVERIFY(before < target);

    QTRY_COMPARE(window.animator()->state(), QAbstractAnimation::Running);
    QVERIFY2(window.width() < target, "the window must grow gradually, not jump");
    QTRY_COMPARE(window.width(), target);
    QTRY_COMPARE(window.animator()->state(), QAbstractAnimation::Stopped);
    QCOMPARE(window.minimumWidth(), target);
}

int main(int argc, char** argv)
{
    AdminUtilityApplication app(argc, argv);
    TestShell test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_shell.moc"
