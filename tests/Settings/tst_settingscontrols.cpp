#include "CommonGui.h"
#include "FlatImageButton.h"
#include "SettingsSlider.h"
#include "SettingsSliderLineEdit.h"
#include "SettingsSliderWithEditableValue.h"
#include "SliderLink.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

// How the value reaches the slider's field: typed and finished, or set.
enum class Finish
{
    Return,
    FocusLoss,
    Set,
};

} // namespace

Q_DECLARE_METATYPE(Finish)

class TestSettingsControls : public QObject
{
    Q_OBJECT

private slots:
    void finishingAnEditNormalises_data();
    void finishingAnEditNormalises();
    void defaultButtonSetsTheDefault();
    void links_data();
    void links();

private:
    // A slider of the range; one given a parent is owned by it (release the pointer).
    std::unique_ptr<SettingsSliderWithEditableValue> slider(double minimum, double maximum, int decimals,
                                                            QWidget* parent = nullptr);
};

std::unique_ptr<SettingsSliderWithEditableValue> TestSettingsControls::slider(double minimum, double maximum,
                                                                             int decimals, QWidget* parent)
{
    auto made = std::make_unique<SettingsSliderWithEditableValue>(parent);
    made->setDecimalPlaces(decimals);
    made->setMinimum(minimum);
    made->setMaximum(maximum);
    return made;
}

void TestSettingsControls::finishingAnEditNormalises_data()
{
    QTest::addColumn<Finish>("finish");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("position");

    // The slider, -10 to 10 with two decimals, starts at 2.5 (position 250).
    QTest::newRow("above the top, Return") << Finish::Return << "12" << "10.00" << 1000;
    QTest::newRow("below the bottom, Return") << Finish::Return << "-12" << "-10.00" << -1000;
    QTest::newRow("minus alone, focus lost") << Finish::FocusLoss << "-" << "2.50" << 250;
    QTest::newRow("dot alone, focus lost") << Finish::FocusLoss << "." << "2.50" << 250;
    QTest::newRow("emptied, Return") << Finish::Return << "" << "2.50" << 250;
    QTest::newRow("in range, Return") << Finish::Return << "-3.5" << "-3.5" << -350;
    QTest::newRow("in range, focus lost") << Finish::FocusLoss << "7" << "7" << 700;
    // Set by the program, as a device's value is shown.
    QTest::newRow("set inside") << Finish::Set << "1.25" << "1.25" << 125;
    QTest::newRow("set beyond the maximum") << Finish::Set << "17" << "10.00" << 1000;
    QTest::newRow("set below the minimum") << Finish::Set << "-19" << "-10.00" << -1000;
    QTest::newRow("set negative half of last place") << Finish::Set << "-1.255" << "-1.25" << -125;
}

void TestSettingsControls::finishingAnEditNormalises()
{
    QFETCH(Finish, finish);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, position);

    QWidget window;
    auto* made = slider(-10, 10, 2, &window).release();
    made->setRealValue(2.5);
    auto* other = new QLineEdit(&window);
    other->move(0, 40);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QSignalSpy changes(made, qOverload<double>(&SettingsSliderWithEditableValue::valueChanged));
    SettingsSliderLineEdit* field = made->valueField();
    if (finish == Finish::Set) {
        made->setRealValue(typed.toDouble());
    } else {
        field->setFocus();
        QTRY_VERIFY(field->hasFocus());
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, typed);
        if (finish == Finish::FocusLoss)
            other->setFocus();
        else
            QTest::keyClick(field, Qt::Key_Return);
        QTRY_VERIFY(!field->hasFocus());
    }
    QCOMPARE(field->text(), shown);
    QCOMPARE(made->slider()->value(), position);
    QCOMPARE(changes.count(), 1);
    if (finish != Finish::Set)
        QCOMPARE(changes.first().first().toDouble(), shown.toDouble());
}

void TestSettingsControls::defaultButtonSetsTheDefault()
{
    const auto made = slider(-20, 20, 1);
    made->setDefaultEnabled(true);
    made->setDefaultValue(-1.5);
    made->setRealValue(8);
    QSignalSpy changes(made.get(), qOverload<>(&SettingsSliderWithEditableValue::valueChanged));
    made->defaultButton()->click();
    QCOMPARE(made->slider()->value(), -15);
    QCOMPARE(made->realValue(), -1.5);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(made->previousRealValue(), 8.0);
}

void TestSettingsControls::links_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<double>("masterStart");
    QTest::addColumn<double>("slaveStart");
    // Where the user drags the master, or where a reset puts both.
    QTest::addColumn<double>("masterTo");
    QTest::addColumn<bool>("reset");
    QTest::addColumn<double>("masterShown");
    QTest::addColumn<double>("slaveShown");

    const auto row = [](const char* name, SliderLink::Type type, double masterStart, double slaveStart,
                        double masterTo, double masterShown, double slaveShown, bool reset = false) {
        QTest::newRow(name) << int(type) << masterStart << slaveStart << masterTo << reset << masterShown << slaveShown;
    };
    // Master range -10..10, slave range -10..10 (Equal, Offset) or 0..100 (Proportional).
    row("equal", SliderLink::Equal, 0, 3, 4, 4, 4);
    row("equal to the bound", SliderLink::Equal, 0, 3, 10, 10, 10);
    row("offset inside", SliderLink::Offset, 0, 3, 2, 2, 5);
    row("offset slave stops 2 below its top", SliderLink::Offset, 1, 8, 6, 3, 10);
    row("offset slave stops at its bottom", SliderLink::Offset, 0, -7, -5, -3, -10);
    row("proportional inside", SliderLink::Proportional, 0, 50, 5, 5, 75);
    row("proportional master held at slave top", SliderLink::Proportional, 0, 80, 10, 4, 100);
    row("proportional down to slave bottom", SliderLink::Proportional, 0, 20, -10, -4, 0);
    // The link must not carry the master's reset over to the slave as an offset.
    row("offset reset moves both to the value", SliderLink::Offset, 3, -4, 0, 0, 0, true);
}

void TestSettingsControls::links()
{
    QFETCH(int, type);
    QFETCH(double, masterStart);
    QFETCH(double, slaveStart);
    QFETCH(double, masterTo);
    QFETCH(bool, reset);
    QFETCH(double, masterShown);
    QFETCH(double, slaveShown);

    QWidget column;
    const bool proportional = type == SliderLink::Proportional;
    auto* master = slider(-10, 10, 1, &column).release();
    auto* slave = slider(proportional ? 0 : -10, proportional ? 100 : 10, 1, &column).release();
    master->setRealValue(masterStart);
    slave->setRealValue(slaveStart);
    SliderLink link(master, slave, SliderLink::Type(type), &column);
    link.setIsLinked(true);

    QSignalSpy masterNotices(master, qOverload<>(&SettingsSliderWithEditableValue::valueChanged));
    QSignalSpy slaveNotices(slave, qOverload<>(&SettingsSliderWithEditableValue::valueChanged));
    if (reset)
        link.resetSliders(masterTo);
    else // As the user would: drag the master's slider.
        master->slider()->setValue(CommonGui::toFixedPoint(masterTo, 1));

    QCOMPARE(master->realValue(), masterShown);
    QCOMPARE(slave->realValue(), slaveShown);
    QCOMPARE(masterNotices.count(), 1);
    QCOMPARE(slaveNotices.count(), 1);
}

QTEST_MAIN(TestSettingsControls)
#include "tst_settingscontrols.moc"
