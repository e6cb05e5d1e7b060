#include "AdminUtilityWindow.h"
#include "CardFooter.h"
#include "CardTabbedPages.h"
#include "FakeDevice.h"
#include "ProductCard.h"
#include "SettingsCheckBox.h"
#include "SettingsLineEdit.h"
#include "SettingsPage.h"
#include "SettingsTab.h"
#include "TabButton.h"

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

// Done to the first of two tabs, or moving between them.
enum class Act
{
    Change,
    Invalidate,
    Fix,
    Leave,
    Return,
};

} // namespace

Q_DECLARE_METATYPE(Act)

class TestCard : public QObject
{
    Q_OBJECT

private slots:
    void saveFollowsTheWorstTab_data();
    void saveFollowsTheWorstTab();
    void footerButtons_data();
    void footerButtons();
    void cardCoversTheWindow();
};

void TestCard::saveFollowsTheWorstTab_data()
{
    QTest::addColumn<QList<Act>>("acts");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("saveEnabled");
    QTest::addColumn<bool>("alert");

    QTest::newRow("untouched") << QList<Act>{} << int(SettingsPage::Unchanged) << true << false;
    QTest::newRow("one changed") << QList<Act>{Act::Change} << int(SettingsPage::Changed) << true << false;
    QTest::newRow("changed and invalid, not yet left") << QList<Act>{Act::Change, Act::Invalidate}
                                                       << int(SettingsPage::Invalid) << false << false;
    QTest::newRow("invalid tab left is marked") << QList<Act>{Act::Invalidate, Act::Leave}
                                                << int(SettingsPage::Invalid) << false << true;
    QTest::newRow("invalid made acceptable loses the mark")
        << QList<Act>{Act::Change, Act::Invalidate, Act::Leave, Act::Return, Act::Fix} << int(SettingsPage::Changed)
        << true << false;
}

void TestCard::saveFollowsTheWorstTab()
{
    QFETCH(QList<Act>, acts);
    QFETCH(int, status);
    QFETCH(bool, saveEnabled);
    QFETCH(bool, alert);

    SettingsPage page;
    auto* first = new NoteTab;
    page.addTab(first, QStringLiteral("First"));
    page.addTab(new NoteTab, QStringLiteral("Second"));
    page.setIsImmediateApply(true);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    CardTabbedPages* tabs = page.tabbedPages();
    for (Act act : acts) {
        switch (act) {
        case Act::Change: first->change(); break;
        case Act::Invalidate: first->makeInvalid(); break;
        case Act::Fix: first->makeValid(); break;
        case Act::Leave: tabs->tabButton(1)->click(); break;
        case Act::Return: tabs->tabButton(0)->click(); break;
        }
    }
    QCOMPARE(tabs->settingsStatus(), status);
    QCOMPARE(page.footer()->saveButton()->isEnabled(), saveEnabled);
    QCOMPARE(tabs->tabButton(0)->isAlertVisible(), alert);
    QVERIFY(!tabs->tabButton(1)->isAlertVisible());
}

// An edit in progress, then a footer button: Save finishes the edit before it
// applies; Cancel recalls the stored values. Either closes the page.
void TestCard::footerButtons_data()
{
    QTest::addColumn<bool>("save");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<QString>("fieldTextAtApply");

    QTest::newRow("save") << true << QStringList{"apply"} << "typed";
    QTest::newRow("cancel") << false << QStringList{"recall"} << "";
}

void TestCard::footerButtons()
{
    QFETCH(bool, save);
    QFETCH(QStringList, calls);
    QFETCH(QString, fieldTextAtApply);

    // Declared before the page: the edit finishes once more while the page is destroyed.
    QString finishedWith;
    RecordingPage page;
    auto* tab = new NoteTab;
    page.watched = tab;
    page.addTab(tab, QStringLiteral("Notes"));
    page.setIsImmediateApply(true);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    connect(tab->field, &QLineEdit::editingFinished, this, [&] { finishedWith = tab->field->text(); });
    tab->field->setFocus();
    QTRY_VERIFY(tab->field->hasFocus());
    tab->typeInto(QStringLiteral("typed"));
    QSignalSpy closed(&page, &SettingsPage::closePage);
    (save ? page.footer()->saveButton() : page.footer()->cancelButton())->click();
    QCOMPARE(page.calls, calls);
    QCOMPARE(page.fieldTextAtApply, fieldTextAtApply);
    if (save)
        QCOMPARE(finishedWith, QStringLiteral("typed"));
    QCOMPARE(closed.count(), 1);
}

// An odd width, so that the body cannot be centred by halving evenly.
void TestCard::cardCoversTheWindow()
{
    const QSize windowSize(1001, 777);
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

QTEST_MAIN(TestCard)
#include "tst_card.moc"
