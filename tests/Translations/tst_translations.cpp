// The German catalogue against the program's sources: every text that lupdate
// finds has a finished translation in one of the translation files. Then the
// choice of catalogue from the user's interface languages.
#include "UiLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include <map>

namespace {

struct Message
{
    QString key;  // a text is one source in one context; the comment tells apart equal sources
    QString source;
    QString translation;
    bool finished = false;
};

QList<Message> readLinguistFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QString context;
    QString comment;
    Message message;
    QXmlStreamReader xml(&file);
    while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
        const QStringRef name = xml.name();
        if (!xml.isStartElement()) {
            continue;
        } else if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
            comment.clear();
        } else if (name == QLatin1String("comment")) {
            comment = QStringLiteral(" (") + xml.readElementText() + QLatin1Char(')');
        } else if (name == QLatin1String("translation")) {
            const bool unfinished = !xml.attributes().value(QLatin1String("type")).isEmpty();
            message.key = context + QStringLiteral(": \"") + message.source + QStringLiteral("\"") + comment;
            message.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            message.finished = !unfinished && !message.translation.isEmpty();
            messages << message;
        }
    }
    return xml.hasError() ? QList<Message>() : messages;
}

QStringList placeholders(const QString& text)
{
    static const QRegularExpression placeholder(QStringLiteral("%L?\\d+"));
    QStringList found;
    for (auto match = placeholder.globalMatch(text); match.hasNext();)
        found << match.next().captured();
    found.sort();
    return found;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void everySourceTextHasAGermanTranslation();
    void catalogueFollowsTheInterfaceLanguages_data();
    void catalogueFollowsTheInterfaceLanguages();
};

// Each fault on a line of its own: a text without a finished translation, a
// translation that loses or invents a "%1", and one text that two files
// translate differently.
void TestTranslations::everySourceTextHasAGermanTranslation()
{
    QTemporaryDir dir;
    const QString extracted = dir.filePath(QStringLiteral("sources.ts"));
    QProcess lupdate;
    lupdate.start(QStringLiteral(LUMARIS_LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-no-obsolete"), QStringLiteral("-locations"),
                   QStringLiteral("none"), QStringLiteral(LUMARIS_PROGRAM_SOURCES), QStringLiteral("-ts"), extracted});
    QVERIFY(lupdate.waitForFinished(120000));
    QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());
    const QList<Message> sources = readLinguistFile(extracted);
    QVERIFY2(!sources.isEmpty(), "lupdate found no text in the program's sources");

    std::map<QString, QString> translated;
    QStringList faults;
    const QDir translations(QStringLiteral(LUMARIS_TRANSLATIONS));
    for (const QFileInfo& file : translations.entryInfoList({QStringLiteral("*_de.ts")}, QDir::Files, QDir::Name)) {
        for (const Message& message : readLinguistFile(file.filePath())) {
            if (!message.finished)
                continue;
            if (placeholders(message.source) != placeholders(message.translation))
                faults << message.key + QStringLiteral(" -> \"") + message.translation + QStringLiteral("\"");
            const auto earlier = translated.emplace(message.key, message.translation).first;
            if (earlier->second != message.translation)
                faults << message.key + QStringLiteral(": \"%1\" and \"%2\"").arg(earlier->second, message.translation);
        }
    }
    for (const Message& message : sources) {
        if (translated.count(message.key) == 0)
            faults << message.key + QStringLiteral(": no finished German translation");
    }
    QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1 faults among %2 texts:\n  %3")
                                              .arg(faults.size())
                                              .arg(sources.size())
                                              .arg(faults.join(QStringLiteral("\n  ")))));
}

// The catalogue installed for the languages, and then German or English texts
// throughout: the program's, those of Qt's standard dialogs, and dates.
void TestTranslations::catalogueFollowsTheInterfaceLanguages_data()
{
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QString>("installed");

    QTest::newRow("German of Austria, from the German catalogue") << QStringList{"de-AT"} << "de_AT";
    QTest::newRow("French has no catalogue, German next") << QStringList{"fr-FR", "de"} << "de_DE";
    QTest::newRow("English before German stays English") << QStringList{"en-GB", "de-DE"} << "";
    QTest::newRow("no language with a catalogue") << QStringList{"fr", "C"} << "";
}

void TestTranslations::catalogueFollowsTheInterfaceLanguages()
{
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, installed);
    const bool german = !installed.isEmpty();

    QCoreApplication& app = *QCoreApplication::instance();
    QCOMPARE(UiLanguage::install(app, uiLanguages), installed);
    QCOMPARE(QCoreApplication::translate("QObject", "No Lumaris Device Detected."),
             german ? QStringLiteral("Kein Lumaris-Gerät erkannt.") : QStringLiteral("No Lumaris Device Detected."));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
             german ? QStringLiteral("Abbrechen") : QStringLiteral("Cancel"));
    QCOMPARE(QLocale().toString(QDate(2026, 12, 6), QStringLiteral("d MMMM yyyy")),
             german ? QStringLiteral("6 Dezember 2026") : QStringLiteral("6 December 2026"));
    qDeleteAll(app.findChildren<QTranslator*>());
    QLocale::setDefault(QLocale::system());
}

QTEST_GUILESS_MAIN(TestTranslations)

#include "tst_translations.moc"
