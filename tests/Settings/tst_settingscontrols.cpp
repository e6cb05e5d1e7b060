#include "CommonGui.h"
#include "FlatImageButton.h"
#include "SettingsSlider.h"
#include "SettingsSliderLineEdit.h"
#include "SettingsSliderWithEditableValue.h"
#include "SliderLink.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

class TestSettingsControls : public QObject
{
    Q_OBJECT

private slots:
    void sliderBoundsFollowDecimals();
    void finishingAnEditNormalises_data();
    void finishingAnEditNormalises();
    void setRealValueClamps_data();
    void setRealValueClamps();
    void defaultButtonSetsTheDefault();
    void links_data();
    void links();
    void resetMovesBothOnceEach();

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

void TestSettingsControls::sliderBoundsFollowDecimals()
{
    const auto made = slider(-10, 10, 1);
    QCOMPARE(made->slider()->minimum(), -100);
    QCOMPARE(made->slider()->maximum(), 100);
    made->setDecimalPlaces(2);
    QCOMPARE(made->slider()->minimum(), -1000);
    QCOMPARE(made->slider()->maximum(), 1000);
}

void TestSettingsControls::finishingAnEditNormalises_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("byFocusLoss");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("position");

    // The slider starts at 2.5 (position 25).
    QTest::newRow("above the top, Return") << "12" << false << "10.0" << 100;
    QTest::newRow("below the bottom, Return") << "-12" << false << "-10.0" << -100;
    QTest::newRow("minus alone, focus lost") << "-" << true << "2.5" << 25;
    QTest::newRow("dot alone, focus lost") << "." << true << "2.5" << 25;
    QTest::newRow("emptied, Return") << "" << false << "2.5" << 25;
    QTest::newRow("in range, Return") << "-3.5" << false << "-3.5" << -35;
    QTest::newRow("in range, focus lost") << "7" << true << "7" << 70;
}

void TestSettingsControls::finishingAnEditNormalises()
{
    QFETCH(QString, typed);
    QFETCH(bool, byFocusLoss);
    QFETCH(QString, shown);
    QFETCH(int, position);

    QWidget window;
    auto* made = slider(-10, 10, 1, &window).release();
    made->setRealValue(2.5);
    auto* other = new QLineEdit(&window);
    other->move(0, 40);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QSignalSpy changes(made, qOverload<double>(&SettingsSliderWithEditableValue::valueChanged));
    SettingsSliderLineEdit* field = made->valueField();
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, typed);
    if (byFocusLoss)
        other->setFocus();
    else
        QTest::keyClick(field, Qt::Key_Return);

    QTRY_VERIFY(!field->hasFocus());
    QCOMPARE(field->text(), shown);
    QCOMPARE(made->slider()->value(), position);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.first().first().toDouble(), shown.toDouble());
}

void TestSettingsControls::setRealValueClamps_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("position");

    QTest::newRow("inside") << 1.25 << "1.25" << 125;
    QTest::newRow("beyond the maximum") << 7.0 << "5.00" << 500;
    QTest::newRow("below the minimum") << -9.0 << "-5.00" << -500;
    QTest::newRow("negative half of last place") << -1.255 << "-1.25" << -125;
}

void TestSettingsControls::setRealValueClamps()
{
    QFETCH(double, value);
    QFETCH(QString, shown);
    QFETCH(int, position);
    const auto made = slider(-5, 5, 2);
    QSignalSpy changes(made.get(), qOverload<>(&SettingsSliderWithEditableValue::valueChanged));
    made->setRealValue(value);
    QCOMPARE(made->valueField()->text(), shown);
    QCOMPARE(made->slider()->value(), position);
    QCOMPARE(changes.count(), 1);
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
    QTest::addColumn<double>("masterTo");
    QTest::addColumn<double>("masterShown");
    QTest::addColumn<double>("slaveShown");

    // Master range -10..10, slave range -10..10 (Equal, Offset) or 0..100 (Proportional).
    QTest::newRow("equal") << int(SliderLink::Equal) << 0.0 << 3.0 << 4.0 << 4.0 << 4.0;
    QTest::newRow("equal to the bound") << int(SliderLink::Equal) << 0.0 << 3.0 << 10.0 << 10.0 << 10.0;
    QTest::newRow("offset inside") << int(SliderLink::Offset) << 0.0 << 3.0 << 2.0 << 2.0 << 5.0;
    QTest::newRow("offset slave stops 2 below its top") << int(SliderLink::Offset) << 1.0 << 8.0 << 6.0 << 3.0
                                                          << 10.0;
    QTest::newRow("offset slave stops at its bottom") << int(SliderLink::Offset) << 0.0 << -7.0 << -5.0 << -3.0
                                                        << -10.0;
    QTest::newRow("proportional inside") << int(SliderLink::Proportional) << 0.0 << 50.0 << 5.0 << 5.0 << 75.0;
    QTest::newRow("proportional master held at slave top") << int(SliderLink::Proportional) << 0.0 << 80.0 << 10.0
                                                             << 4.0 << 100.0;
    QTest::newRow("proportional down to slave bottom") << int(SliderLink::Proportional) << 0.0 << 20.0 << -10.0
                                                         << -4.0 << 0.0;
}

void TestSettingsControls::links()
{
    QFETCH(int, type);
    QFETCH(double, masterStart);
    QFETCH(double, slaveStart);
    QFETCH(double, masterTo);
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

    QSignalSpy slaveNotices(slave, qOverload<>(&SettingsSliderWithEditableValue::valueChanged));
    // As the user would: drag the master's slider.
    master->slider()->setValue(CommonGui::toFixedPoint(masterTo, 1));

    QCOMPARE(master->realValue(), masterShown);
    QCOMPARE(slave->realValue(), slaveShown);
    QCOMPARE(slaveNotices.count(), 1);
}

void TestSettingsControls::resetMovesBothOnceEach()
{
    QWidget column;
    auto* a = slider(-10, 10, 1, &column).release();
    auto* b = slider(-10, 10, 1, &column).release();
    a->setRealValue(3);
    b->setRealValue(-4);
    SliderLink link(a, b, SliderLink::Offset, &column);
    link.setIsLinked(true);
    QSignalSpy aChanges(a, qOverload<>(&SettingsSliderWithEditableValue::valueChanged));
    QSignalSpy bChanges(b, qOverload<>(&SettingsSliderWithEditableValue::valueChanged));
    link.resetSliders(0);
    // The link must not carry A's reset over to B as an offset.
    QCOMPARE(a->realValue(), 0.0);
    QCOMPARE(b->realValue(), 0.0);
    QCOMPARE(aChanges.count(), 1);
    QCOMPARE(bChanges.count(), 1);
}

QTEST_MAIN(TestSettingsControls)
#include "tst_settingscontrols.moc"
