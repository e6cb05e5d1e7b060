#include "AdminUtilityWindow.h"
#include "CardFooter.h"
#include "CardHeader.h"
#include "CardTabbedPages.h"
#include "FakeDevice.h"
#include "ProductCard.h"
#include "SettingsCheckBox.h"
#include "SettingsLineEdit.h"
#include "SettingsPage.h"
#include "SettingsTab.h"
#include "StatusPage.h"
#include "TabButton.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {

// A tab with one check box and one field that must not be empty.
class NoteTab : public SettingsTab
{
public:
    NoteTab()
    {
        addSection(QStringLiteral("Notes"));
        box = addCheckBoxRow(QStringLiteral("Box:"), QStringLiteral("On"));
        field = addLineEditRow(QStringLiteral("Name:"), kNonEmptyText);
        field->setText(QStringLiteral("deck"));
        endSettingsTab();
    }

    void makeInvalid() { typeInto(QString()); }
    void makeValid() { typeInto(QStringLiteral("deck 2")); }
    void change() { box->click(); }

    void typeInto(const QString& text)
    {
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }

    SettingsCheckBox* box = nullptr;
    SettingsLineEdit* field = nullptr;
};

// Records what the page was asked to do, in order.
class RecordingPage : public SettingsPage
{
public:
    QStringList calls;
    QString fieldTextAtApply;
    NoteTab* watched = nullptr;

protected:
    void applyChanges() override
    {
        calls << QStringLiteral("apply");
        fieldTextAtApply = watched ? watched->field->text() : QString();
    }
    void recallRemotePreset() override { calls << QStringLiteral("recall"); }
};

enum class Act
{
    ChangeFirst,
    InvalidateSecond,
    FixSecond,
};

} // namespace

Q_DECLARE_METATYPE(Act)

class TestCard : public QObject
{
    Q_OBJECT

private slots:
    void saveFollowsTheWorstTab_data();
    void saveFollowsTheWorstTab();
    void leavingAnInvalidTabMarksIt();
    void saveFinishesTheEditFirst();
    void cancelRecallsThenCloses();
    void cardCoversTheWindow_data();
    void cardCoversTheWindow();
    void headerShowsPlainText();
};

void TestCard::saveFollowsTheWorstTab_data()
{
    QTest::addColumn<QList<Act>>("acts");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("saveEnabled");

    QTest::newRow("untouched") << QList<Act>{} << int(SettingsPage::Unchanged) << true;
    QTest::newRow("one changed") << QList<Act>{Act::ChangeFirst} << int(SettingsPage::Changed) << true;
    QTest::newRow("changed and invalid") << QList<Act>{Act::ChangeFirst, Act::InvalidateSecond}
                                         << int(SettingsPage::Invalid) << false;
    QTest::newRow("invalid made acceptable") << QList<Act>{Act::ChangeFirst, Act::InvalidateSecond, Act::FixSecond}
                                             << int(SettingsPage::Changed) << true;
}

void TestCard::saveFollowsTheWorstTab()
{
    QFETCH(QList<Act>, acts);
    QFETCH(int, status);
    QFETCH(bool, saveEnabled);

    SettingsPage page;
    auto* first = new NoteTab;
    auto* second = new NoteTab;
    page.addTab(first, QStringLiteral("First"));
    page.addTab(second, QStringLiteral("Second"));
    page.setIsImmediateApply(true);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    for (Act act : acts) {
        switch (act) {
        case Act::ChangeFirst: first->change(); break;
        case Act::InvalidateSecond: second->makeInvalid(); break;
        case Act::FixSecond: second->makeValid(); break;
        }
    }
    QCOMPARE(page.tabbedPages()->settingsStatus(), status);
    QCOMPARE(page.footer()->saveButton()->isEnabled(), saveEnabled);
}

void TestCard::leavingAnInvalidTabMarksIt()
{
    SettingsPage page;
    auto* first = new NoteTab;
    auto* second = new NoteTab;
    page.addTab(first, QStringLiteral("First"));
    page.addTab(second, QStringLiteral("Second"));
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    CardTabbedPages* tabs = page.tabbedPages();
    first->makeInvalid();
    QVERIFY(!tabs->tabButton(0)->isAlertVisible());
    tabs->tabButton(1)->click();
    QCOMPARE(page.currentTab(), 1);
    QVERIFY(tabs->tabButton(0)->isAlertVisible());
    QVERIFY(!tabs->tabButton(1)->isAlertVisible());
    tabs->tabButton(0)->click();
    first->makeValid();
    QVERIFY(!tabs->tabButton(0)->isAlertVisible());
    QVERIFY(page.footer()->saveButton()->isEnabled());
}

void TestCard::saveFinishesTheEditFirst()
{
    RecordingPage page;
    auto* tab = new NoteTab;
    page.watched = tab;
    page.addTab(tab, QStringLiteral("Notes"));
    page.setIsImmediateApply(true);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QString finishedWith;
    connect(tab->field, &QLineEdit::editingFinished, this, [&] { finishedWith = tab->field->text(); });
    tab->field->setFocus();
    QTRY_VERIFY(tab->field->hasFocus());
    tab->typeInto(QStringLiteral("typed"));
    QSignalSpy closed(&page, &SettingsPage::closePage);
    page.footer()->saveButton()->click();
    QCOMPARE(finishedWith, QStringLiteral("typed"));
    QCOMPARE(page.calls, QStringList{QStringLiteral("apply")});
    QCOMPARE(page.fieldTextAtApply, QStringLiteral("typed"));
    QCOMPARE(closed.count(), 1);
}

void TestCard::cancelRecallsThenCloses()
{
    RecordingPage page;
    page.addTab(new NoteTab, QStringLiteral("Notes"));
    page.setIsImmediateApply(true);
    QSignalSpy closed(&page, &SettingsPage::closePage);
    page.footer()->cancelButton()->click();
    QCOMPARE(page.calls, QStringList{QStringLiteral("recall")});
    QCOMPARE(closed.count(), 1);
}

void TestCard::cardCoversTheWindow_data()
{
    QTest::addColumn<QSize>("windowSize");

    QTest::newRow("narrow") << QSize(900, 720);
    QTest::newRow("odd width") << QSize(1001, 777);
}

void TestCard::cardCoversTheWindow()
{
    QFETCH(QSize, windowSize);
    AdminUtilityWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    FakeDevice device(QStringLiteral("Edit bay"));
    auto* card = new ProductCard(&device, &window, Qt::darkCyan);
    QPointer<ProductCard> alive(card);
    card->show();
    window.resize(windowSize);
    QTRY_COMPARE(window.size(), windowSize);
    QCOMPARE(card->geometry(), QRect(QPoint(0, 0), windowSize));
    // The body stands centred within the card, whatever the window's width.
    const QRect body = card->body()->geometry();
    QVERIFY(card->rect().contains(body));
    QVERIFY(qAbs(body.center().x() - card->rect().center().x()) <= 1);
    card->close();
    QTRY_VERIFY(alive.isNull());
}

void TestCard::headerShowsPlainText()
{
    FakeDevice device(QStringLiteral("<b>Bay</b> & \"4\"") + QString(4096, QLatin1Char('x')));
    device.model = QStringLiteral("<i>Model</i>");
    CardHeader header(&device, Qt::darkCyan);
    const auto labels = header.findChildren<QLabel*>();
    for (const QLabel* label : labels) {
        if (!label->text().isEmpty())
            QCOMPARE(label->textFormat(), Qt::PlainText);
    }
    QCOMPARE(header.deviceNameText(), device.name);
    QCOMPARE(header.modelNameText(), device.model);
}

QTEST_MAIN(TestCard)
#include "tst_card.moc"
