// The settings framework: the slider with its field, slider links, and the
// tab builder with its rows, sections, status and bookmarks.
#include "ButtonRowTBase.h"
#include "CardBookmark.h"
#include "CardFooter.h"
#include "CardPopupMenu.h"
#include "CardScrollArea.h"
#include "CardSection.h"
#include "CardTabbedPages.h"
#include "ComboBoxBuilder.h"
#include "CommonGui.h"
#include "FlatImageButton.h"
#include "ImageGroupButton.h"
#include "RadioButtonRowBuilder.h"
#include "SettingsCheckBox.h"
#include "SettingsComboBox.h"
#include "SettingsLineEdit.h"
#include "SettingsPage.h"
#include "SettingsSlider.h"
#include "SettingsSliderLineEdit.h"
#include "SettingsSliderWithEditableValue.h"
#include "SettingsTab.h"
#include "SliderLink.h"
#include "TabButton.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

// How the value reaches the slider's field: typed and finished, set, or the default button.
enum class Finish
{
    Return,
    FocusLoss,
    Set,
    DefaultButton,
};

// Done to the first of two tabs on a page, or moving between them.
enum class Step
{
    ClickCheckBox,
    EmptyName,
    TypeName,
    EmptyAddress,
    TypeAddress,
    Leave,
    Return,
};

// A tab with a check box and two fields that must hold acceptable text.
class Tab : public SettingsTab
{
public:
    CardSection* empty = nullptr;
    CardSection* general = nullptr;
    SettingsCheckBox* box = nullptr;
    SettingsLineEdit* name = nullptr;
    SettingsLineEdit* address = nullptr;

    Tab()
    {
        empty = addSection(QStringLiteral("Empty"));
        general = addSection(QStringLiteral("General"));
        box = addCheckBoxRow(QStringLiteral("Box:"), QStringLiteral("On"));
        name = addLineEditRow(QStringLiteral("Name:"), kNonEmptyText);
        address = addLineEditRow(QStringLiteral("Address:"), kIpAddress);
        name->setText(QStringLiteral("deck"));
        address->setText(QStringLiteral("10.0.0.1"));
        endSettingsTab();
    }

    void apply(Step step, CardTabbedPages* pages)
    {
        switch (step) {
        case Step::ClickCheckBox: QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2)); break;
        case Step::EmptyName: edit(name, QString()); break;
        case Step::TypeName: edit(name, QStringLiteral("deck 2")); break;
        case Step::EmptyAddress: edit(address, QString()); break;
        case Step::TypeAddress: edit(address, QStringLiteral("10.0.0.2")); break;
        case Step::Leave: pages->tabButton(1)->click(); break;
        case Step::Return: pages->tabButton(0)->click(); break;
        }
    }

    static void edit(SettingsLineEdit* field, const QString& text)
    {
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }
};

} // namespace

Q_DECLARE_METATYPE(Finish)
Q_DECLARE_METATYPE(Step)

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void finishingAnEditNormalises_data();
    void finishingAnEditNormalises();
    void links_data();
    void links();
    void status_data();
    void status();
    void rowsAndSections();
    void buildersKeepTheChoiceForValuesNotOffered();
    void exclusivePictureGroupDrawsOneSelected();
    void bookmarkScrollsToItsRow();

private:
    // A slider of the range; one given a parent is owned by it (release the pointer).
    std::unique_ptr<SettingsSliderWithEditableValue> slider(double minimum, double maximum, int decimals,
                                                            QWidget* parent = nullptr);
};

std::unique_ptr<SettingsSliderWithEditableValue> TestSettings::slider(double minimum, double maximum,
                                                                             int decimals, QWidget* parent)
{
    auto made = std::make_unique<SettingsSliderWithEditableValue>(parent);
    made->setDecimalPlaces(decimals);
    made->setMinimum(minimum);
    made->setMaximum(maximum);
    return made;
}

void TestSettings::finishingAnEditNormalises_data()
{
    QTest::addColumn<Finish>("finish");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("position");

    // The slider, -10 to 10 with two decimals and the default -1.5, starts at 2.5 (position 250).
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
    QTest::newRow("default button") << Finish::DefaultButton << "" << "-1.50" << -150;
}

void TestSettings::finishingAnEditNormalises()
{
    QFETCH(Finish, finish);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, position);

    QWidget window;
    auto* made = slider(-10, 10, 2, &window).release();
    made->setRealValue(2.5);
    made->setDefaultEnabled(true);
    made->setDefaultValue(-1.5);
    auto* other = new QLineEdit(&window);
    other->move(0, 40);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QSignalSpy changes(made, qOverload<double>(&SettingsSliderWithEditableValue::valueChanged));
    SettingsSliderLineEdit* field = made->valueField();
    if (finish == Finish::Set) {
        made->setRealValue(typed.toDouble());
    } else if (finish == Finish::DefaultButton) {
        made->defaultButton()->click();
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
    // What a linked slider moves by is measured from here.
    QCOMPARE(made->previousRealValue(), 2.5);
}

void TestSettings::links_data()
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

void TestSettings::links()
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

void TestSettings::status_data()
{
    QTest::addColumn<QList<Step>>("steps");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("notices");
    // The invalid tab's button marked once the user has left it.
    QTest::addColumn<bool>("alert");

    QTest::newRow("nothing done") << QList<Step>{} << int(SettingsPage::Unchanged) << 0 << false;
    QTest::newRow("check box clicked") << QList<Step>{Step::ClickCheckBox} << int(SettingsPage::Changed) << 1 << false;
    QTest::newRow("clicked twice, one signal") << QList<Step>{Step::ClickCheckBox, Step::ClickCheckBox}
                                               << int(SettingsPage::Changed) << 1 << false;
    QTest::newRow("required text emptied") << QList<Step>{Step::EmptyName} << int(SettingsPage::Invalid) << 1 << false;
    QTest::newRow("required text typed again") << QList<Step>{Step::EmptyName, Step::TypeName}
                                               << int(SettingsPage::Changed) << 2 << false;
    QTest::newRow("check box does not clear invalid") << QList<Step>{Step::EmptyName, Step::ClickCheckBox}
                                                      << int(SettingsPage::Invalid) << 1 << false;
    QTest::newRow("one of two fixed, still invalid") << QList<Step>{Step::EmptyName, Step::EmptyAddress, Step::TypeName}
                                                     << int(SettingsPage::Invalid) << 1 << false;
    QTest::newRow("both fixed") << QList<Step>{Step::EmptyName, Step::EmptyAddress, Step::TypeName, Step::TypeAddress}
                                << int(SettingsPage::Changed) << 2 << false;
    QTest::newRow("invalid tab left is marked") << QList<Step>{Step::EmptyName, Step::Leave}
                                                << int(SettingsPage::Invalid) << 1 << true;
    QTest::newRow("invalid made acceptable loses the mark")
        << QList<Step>{Step::ClickCheckBox, Step::EmptyName, Step::Leave, Step::Return, Step::TypeName}
        << int(SettingsPage::Changed) << 3 << false;
}

// The page and its Save button follow the worst of its tabs.
void TestSettings::status()
{
    QFETCH(QList<Step>, steps);
    QFETCH(int, status);
    QFETCH(int, notices);
    QFETCH(bool, alert);

    SettingsPage page;
    auto* first = new Tab;
    page.addTab(first, QStringLiteral("First"));
    page.addTab(new Tab, QStringLiteral("Second"));
    page.setIsImmediateApply(true);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QSignalSpy spy(first, &SettingsTab::settingsStatusChanged);
    CardTabbedPages* pages = page.tabbedPages();
    for (Step step : steps)
        first->apply(step, pages);
    QCOMPARE(first->settingsStatus(), status);
    QCOMPARE(pages->settingsStatus(), status);
    QCOMPARE(spy.count(), notices);
    QCOMPARE(page.footer()->saveButton()->isEnabled(), status != int(SettingsPage::Invalid));
    QCOMPARE(pages->tabButton(0)->isAlertVisible(), alert);
    QVERIFY(!pages->tabButton(1)->isAlertVisible());
}

// Rows hidden, removed and shown again with their section.
void TestSettings::rowsAndSections()
{
    Tab tab;
    tab.resize(640, 400);
    tab.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tab));
    QVERIFY(!tab.empty->hasRows() && !tab.empty->hasLeadingSeparator());
    QVERIFY(tab.general->hasLeadingSeparator());
    QWidget* nameRow = tab.findRowContaining(tab.name);
    const int sectionHeight = tab.general->sizeHint().height();
    tab.showRowContaining(tab.name, false);
    QVERIFY(!nameRow->isVisible());
    // The row and the space before it go: the section shrinks by more than the row.
    QVERIFY(tab.general->sizeHint().height() < sectionHeight - nameRow->height());
    tab.showRowContaining(tab.name, true);
    QCOMPARE(tab.general->sizeHint().height(), sectionHeight);

    QPointer<QWidget> addressRow = tab.findRowContaining(tab.address);
    tab.removeRowContaining(tab.address);
    QVERIFY(addressRow.isNull());
    QCOMPARE(tab.watchedLineEdits(), QList<SettingsLineEdit*>{tab.name});
    QCOMPARE(tab.general->rows().size(), 2);
    tab.showSection(tab.general, false);
    QVERIFY(!tab.box->isVisible());
    tab.showSection(tab.general, true);
    QVERIFY(tab.box->isVisible());
}

// A value the row does not offer leaves the choice as it was; choices made by
// the program are no user change.
void TestSettings::buildersKeepTheChoiceForValuesNotOffered()
{
    SettingsTab tab;
    tab.addSection(QStringLiteral("General"));
    ButtonRowTBase row = RadioButtonRowBuilder()
                             .add(QStringLiteral("Full frame"), 0)
                             .add(QStringLiteral("Single field"), 1)
                             .build(tab, QStringLiteral("When paused:"));
    ComboBoxTBase combo = ComboBoxBuilder()
                              .add(QStringLiteral("NTSC"), 1)
                              .add(QStringLiteral("PAL"), 2)
                              .build(tab, QStringLiteral("Standard:"), 240);
    tab.endSettingsTab();
    QSignalSpy spy(&tab, &SettingsTab::settingsStatusChanged);
    int id = 0;
    QVERIFY(!row.get(id));
    row.set(1);
    row.set(42);
    QVERIFY(row.get(id));
    QCOMPARE(id, 1);
    QVERIFY(combo.set(2));
    QVERIFY(!combo.set(3));
    QVERIFY(combo.get(id));
    QCOMPARE(id, 2);
    QCOMPARE(spy.count(), 0);
}

void TestSettings::exclusivePictureGroupDrawsOneSelected()
{
    SettingsTab tab;
    tab.addSection(QStringLiteral("Input"));
    QPixmap picture(32, 32);
    picture.fill(Qt::gray);
    QButtonGroup* group = tab.addImageButtonGroup(QStringLiteral("Input:"), {picture, picture, picture},
                                                  {"SDI", "HDMI", "Component"}, {1, 2, 8});
    tab.endSettingsTab();
    group->button(2)->click();
    group->button(8)->click();
    QCOMPARE(group->checkedId(), 8);
    const auto* hdmi = qobject_cast<ImageGroupButton*>(group->button(2));
    const auto* component = qobject_cast<ImageGroupButton*>(group->button(8));
    QVERIFY(!hdmi->isChecked() && !hdmi->isDrawnSelected());
    QVERIFY(component->isDrawnSelected());
    QCOMPARE(tab.settingsStatus(), int(SettingsPage::Changed));
}

void TestSettings::bookmarkScrollsToItsRow()
{
    SettingsTab tab;
    tab.addHeader(QStringLiteral("Audio"), QString(), true);
    QList<CardBookmark*> marks;
    for (const char* title : {"Inputs", "Outputs", "Levels"}) {
        marks << tab.addBookmark(QString::fromLatin1(title));
        for (int i = 0; i < 8; ++i)
            tab.addCheckBoxRow(QStringLiteral("Row:"), QString::number(i));
    }
    tab.endSettingsTab();
    tab.resize(640, 300);
    tab.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tab));
    QCOMPARE(tab.bookmarkMenu()->actions().size(), 3);
    tab.bookmarkMenu()->actions().at(1)->trigger();
    QCOMPARE(tab.scrollArea()->verticalScrollBar()->value(), marks.at(1)->y());
    QVERIFY(marks.at(1)->y() > 0);
}

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
