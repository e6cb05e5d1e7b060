#include "AdminUtilityWindow.h"
#include "CardFooter.h"
#include "FakeDevice.h"
#include "ProductCard.h"
#include "SettingsLineEdit.h"
#include "SettingsPage.h"
#include "SettingsTab.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {

// Writes what the page was asked to do into a log.
class RecordingPage : public SettingsPage
{
public:
    explicit RecordingPage(QStringList& log) : m_log(log) {}

protected:
    void applyChanges() override { m_log << QStringLiteral("apply"); }
    void recallRemotePreset() override { m_log << QStringLiteral("recall"); }

private:
    QStringList& m_log;
};

} // namespace

class TestCard : public QObject
{
    Q_OBJECT

private slots:
    void footerButtons_data();
    void footerButtons();
    void cardCoversTheWindow();
};

// An edit in progress, then a footer button: Save finishes the edit before it
// applies; Cancel recalls the stored values. Either closes the page.
void TestCard::footerButtons_data()
{
    QTest::addColumn<bool>("save");
    QTest::addColumn<QStringList>("calls");

    QTest::newRow("save") << true << QStringList{"finished typed", "apply"};
    QTest::newRow("cancel") << false << QStringList{"recall"};
}

void TestCard::footerButtons()
{
    QFETCH(bool, save);
    QFETCH(QStringList, calls);

    // The page's calls and the finished edits, in order. Declared before the page:
    // the edit finishes once more while the page is destroyed.
    QStringList log;
    RecordingPage page(log);
    auto* tab = new SettingsTab;
    tab->addSection(QStringLiteral("Notes"));
    SettingsLineEdit* field = tab->addLineEditRow(QStringLiteral("Name:"), SettingsTab::kNonEmptyText);
    tab->endSettingsTab();
    page.addTab(tab, QStringLiteral("Notes"));
    page.setIsImmediateApply(true);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    connect(field, &QLineEdit::editingFinished, this, [&log, field] { log << QStringLiteral("finished ") + field->text(); });
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    QTest::keyClicks(field, QStringLiteral("typed"));
    QSignalSpy closed(&page, &SettingsPage::closePage);
    (save ? page.footer()->saveButton() : page.footer()->cancelButton())->click();
    QCOMPARE(log, calls);
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
