#include "ButtonRowTBase.h"
#include "CardFooter.h"
#include "CardBookmark.h"
#include "CardPopupMenu.h"
#include "CardScrollArea.h"
#include "CardSection.h"
#include "CardTabbedPages.h"
#include "ComboBoxBuilder.h"
#include "ImageGroupButton.h"
#include "RadioButtonRowBuilder.h"
#include "SettingsCheckBox.h"
#include "SettingsComboBox.h"
#include "SettingsLineEdit.h"
#include "SettingsPage.h"
#include "SettingsTab.h"
#include "TabButton.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

namespace {

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

Q_DECLARE_METATYPE(Step)

class TestSettingsTab : public QObject
{
    Q_OBJECT

private slots:
    void status_data();
    void status();
    void rowsAndSections();
    void buildersKeepTheChoiceForValuesNotOffered();
    void exclusivePictureGroupDrawsOneSelected();
    void bookmarkScrollsToItsRow();
};

void TestSettingsTab::status_data()
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
void TestSettingsTab::status()
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
void TestSettingsTab::rowsAndSections()
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
void TestSettingsTab::buildersKeepTheChoiceForValuesNotOffered()
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

void TestSettingsTab::exclusivePictureGroupDrawsOneSelected()
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

void TestSettingsTab::bookmarkScrollsToItsRow()
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

QTEST_MAIN(TestSettingsTab)
#include "tst_settingstab.moc"
