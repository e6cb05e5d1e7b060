#include "CustomLineEdit.h"
#include "CustomScrollBar.h"
#include "ElidedLabel.h"
#include "HorizontalScrollArea.h"
#include "PointerEvents.h"
#include "PopupWidget.h"
#include "RolloverIcon.h"
#include "RolloverIconCallout.h"

#include <QHBoxLayout>
#include <QIntValidator>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

namespace
{
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
}

class TestToolkitWidgets : public QObject
{
    Q_OBJECT

private slots:
    void rolloverCallout_data();
    void rolloverCallout();
    void popupPlacement_data();
    void popupPlacement();
    void popupHideAll();
    void lineEditCommit_data();
    void lineEditCommit();
    void scrollAreaFollowsContent_data();
    void scrollAreaFollowsContent();
    void scrollAreaSwallowsVerticalWheel();
    void elidedLabel_data();
    void elidedLabel();
};

void TestToolkitWidgets::rolloverCallout_data()
{
    QTest::addColumn<bool>("inCalloutParent");
    QTest::newRow("child of the callout parent") << true;
    QTest::newRow("panel of its own") << false;
}

void TestToolkitWidgets::rolloverCallout()
{
    QFETCH(bool, inCalloutParent);
    QWidget window;
    window.resize(400, 300);
    auto* row = new QWidget(&window);
    row->setGeometry(50, 40, 200, 30);
    QPixmap icon(16, 16);
    icon.fill(Qt::white);
    auto* info = new RolloverIcon(icon, QStringLiteral("This generates a detailed status report for later reference."),
                                  row, inCalloutParent ? &window : nullptr);
    info->move(100, 5);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const int faint = alphaOf(*info);
    QVERIFY2(faint < 255, qPrintable(QString::number(faint)));
    RolloverIconCallout* callout = info->callout();
    QCOMPARE(callout->parentWidget(), inCalloutParent ? &window : nullptr);
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

void TestToolkitWidgets::popupPlacement_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QPoint>("expected");

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QSize panel(120, 80);
    QTest::newRow("inside the screen") << QPoint(200, 150) << QPoint(180, 130);
    QTest::newRow("off the right and bottom edges")
        << screen.bottomRight() << QPoint(screen.right() + 1 - panel.width(), screen.bottom() + 1 - panel.height());
    QTest::newRow("just inside the top-left corner") << screen.topLeft() + QPoint(20, 20) << screen.topLeft();
}

void TestToolkitWidgets::popupPlacement()
{
    QFETCH(QPoint, at);
    QFETCH(QPoint, expected);

    PopupWidget popup;
    popup.resize(120, 80);
    popup.showAt(at);
    QVERIFY(popup.isVisible());
    QCOMPARE(popup.pos(), expected);
}

void TestToolkitWidgets::popupHideAll()
{
    const int before = PopupWidget::allPopups().size();
    PopupWidget first;
    auto* second = new PopupWidget;
    QCOMPARE(PopupWidget::allPopups().size(), before + 2);
    first.showAt(QPoint(100, 100));
    second->showAt(QPoint(300, 100));

    PopupWidget::hideAll();
    QVERIFY(!first.isVisible());
    QVERIFY(!second->isVisible());

    delete second;
    QCOMPARE(PopupWidget::allPopups().size(), before + 1);
    QVERIFY(!PopupWidget::allPopups().contains(second));
}

// The edit ends with the key given, or with the focus moving away (no key); a
// null text types nothing, and Escape on an untouched edit is the window's.
void TestToolkitWidgets::lineEditCommit_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("finish");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("defaultText");
    QTest::addColumn<int>("newTextSignals");
    QTest::addColumn<int>("escapesToParent");

    const int enter = Qt::Key_Return;
    const int escape = Qt::Key_Escape;
    QTest::newRow("return with new text") << "75" << enter << "75" << "75" << 1 << 0;
    QTest::newRow("return with the same text") << "50" << enter << "50" << "50" << 0 << 0;
    QTest::newRow("escape restores") << "75" << escape << "50" << "50" << 0 << 0;
    QTest::newRow("escape untouched reaches the window") << QString() << escape << "50" << "50" << 0 << 1;
    QTest::newRow("leaving with new text") << "75" << 0 << "75" << "75" << 1 << 0;
    QTest::newRow("leaving with unacceptable text restores") << "" << 0 << "50" << "50" << 0 << 0;
    QTest::newRow("return with unacceptable text does nothing") << "" << enter << "" << "50" << 0 << 0;
    QTest::newRow("validator refuses keys") << "5x0" << enter << "50" << "50" << 0 << 0;
}

void TestToolkitWidgets::lineEditCommit()
{
    QFETCH(QString, typed);
    QFETCH(int, finish);
    QFETCH(QString, text);
    QFETCH(QString, defaultText);
    QFETCH(int, newTextSignals);
    QFETCH(int, escapesToParent);

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
    QSignalSpy spy(edit, &CustomLineEdit::editingFinishedWithNewText);

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
    QCOMPARE(spy.count(), newTextSignals);
    QCOMPARE(edit->isEdited(), text != defaultText);
    QCOMPARE(window.escapes, escapesToParent);
}

void TestToolkitWidgets::scrollAreaFollowsContent_data()
{
    QTest::addColumn<int>("remainingWidth");
    QTest::addColumn<QSize>("expected");
    QTest::addColumn<bool>("scrolls");

    // Three boxes of 50 x 30 with a spacing of 12: the row is 174 wide.
    QTest::newRow("no limit") << 0 << QSize(174, 30) << false;
    QTest::newRow("exactly enough") << 174 << QSize(174, 30) << false;
    QTest::newRow("too narrow") << 100 << QSize(100, 30 + CustomScrollBar(Qt::Horizontal).sizeHint().height()) << true;
}

void TestToolkitWidgets::scrollAreaFollowsContent()
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
}

void TestToolkitWidgets::scrollAreaSwallowsVerticalWheel()
{
    HorizontalScrollArea area;
    QScrollBar* bar = area.verticalScrollBar();
    bar->setRange(0, 100);
    bar->setValue(50);
    QWheelEvent wheel(QPointF(1, 1), QPointF(1, 1), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QVERIFY(QApplication::sendEvent(bar, &wheel));
    QCOMPARE(bar->value(), 50);
}

void TestToolkitWidgets::elidedLabel_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("elided");

    const QString name = QStringLiteral("Lumaris Studio 4K Pro 12G (2)");
    QTest::newRow("fits") << name << 600 << int(Qt::ElideRight) << false;
    QTest::newRow("too narrow") << name << 60 << int(Qt::ElideRight) << true;
    QTest::newRow("too narrow, elided on the left") << name << 60 << int(Qt::ElideLeft) << true;
    QTest::newRow("no width at all") << name << 0 << int(Qt::ElideRight) << true;
}

void TestToolkitWidgets::elidedLabel()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(int, mode);
    QFETCH(bool, elided);

    ElidedLabel label(text);
    label.setElideMode(Qt::TextElideMode(mode));
    label.resize(width, 20);
    QCOMPARE(label.text(), text);
    QCOMPARE(label.isElided(), elided);
    QVERIFY(label.fontMetrics().horizontalAdvance(label.displayedText()) <= width);
    if (elided && width > 0)
    {
        const QChar ellipsis(0x2026);
        QVERIFY2(mode == Qt::ElideLeft ? label.displayedText().startsWith(ellipsis)
                                       : label.displayedText().endsWith(ellipsis),
                 qPrintable(label.displayedText()));
    }
    label.resize(label.sizeHint().width() + 10, 20);
    QCOMPARE(label.displayedText(), text);
    QCOMPARE(label.minimumSizeHint().width(), 0);
}

QTEST_MAIN(TestToolkitWidgets)
#include "tst_toolkitwidgets.moc"
