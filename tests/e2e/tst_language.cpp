// The real window in the user's language: German when LANGUAGE asks for it over an
// English LANG (the stricter case: a program reading the system locale instead
// stays English), English when none asks. How LANG and LC_ALL name the languages
// is Qt's rule; the choice among several languages is held by tst_translations.
#include "ProbedCase.h"

#include <QJsonDocument>
#include <QtTest>

class TestLanguage : public ProbedCase
{
    Q_OBJECT

private slots:
    void windowSpeaksTheUsersLanguage_data();
    void windowSpeaksTheUsersLanguage();
};

void TestLanguage::windowSpeaksTheUsersLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("noDevice");
    QTest::addColumn<QString>("firstColumn");

    const QString english = QStringLiteral("No Lumaris Device Detected.");
    const QString german = QStringLiteral("Kein Lumaris-Gerät erkannt.");
    QTest::newRow("no language asked for") << "" << "C.UTF-8" << english << "PRODUCT";
    QTest::newRow("LANGUAGE") << "de" << "C.UTF-8" << german << "PRODUKT";
}

// The no-device message of the gallery and the list's first column header.
void TestLanguage::windowSpeaksTheUsersLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, lang);
    QFETCH(QString, noDevice);
    QFETCH(QString, firstColumn);

    m_app->setEnvironment(QStringLiteral("LANGUAGE"), language);
    m_app->setEnvironment(QStringLiteral("LC_ALL"), QString());
    m_app->setEnvironment(QStringLiteral("LC_MESSAGES"), QString());
    m_app->setEnvironment(QStringLiteral("LANG"), lang);
    QVERIFY(start(m_app->emptyProfile()));

    QTRY_VERIFY2(gallery(snapshot()).value("texts").toArray().contains(noDevice),
                 qPrintable(QJsonDocument(gallery(snapshot())).toJson()));
    QTRY_COMPARE(snapshot().value("list").toObject().value("headers").toArray().first().toString(), firstColumn);
}

QTEST_GUILESS_MAIN(TestLanguage)

#include "tst_language.moc"
