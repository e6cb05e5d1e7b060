// The real program against a simulated driver that is handed hostile input or answers
// as strictly as hardware may: the program still starts, shows what it can, and ends
// cleanly (in a test run the driver aborts on anything the program leaves behind).
#include "ProbedApp.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QtTest>

#include <sys/stat.h>

#include <memory>

namespace {

QString cell(const QJsonObject& snapshot, const QString& label, const QString& column)
{
    for (const QJsonValue& row : snapshot.value("list").toObject().value("rows").toArray()) {
        if (row.toObject().value("label").toString() == label)
            return row.toObject().value(column).toString();
    }
    return QStringLiteral("<no row %1>").arg(label);
}

} // namespace

class TestSimulatorInput : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void programStartsWhateverTheProfile_data();
    void programStartsWhateverTheProfile();
    void positiveGetterAnswersAreNotTaken();

private:
    void simctl(const QString& line);

    QTemporaryDir m_files;
    std::unique_ptr<ProbedApp> m_app;
    QString m_errors;
};

void TestSimulatorInput::init()
{
    m_app = std::make_unique<ProbedApp>(QStringLiteral(LUMARIS_BIN_DIR), QStringLiteral(LUMARIS_PROBE_LIBRARY));
    m_errors.clear();
}

void TestSimulatorInput::cleanup()
{
    m_app->stop();
    m_errors += m_app->standardError();
    QVERIFY2(m_app->process().exitStatus() == QProcess::NormalExit && m_app->process().exitCode() == 0,
             qPrintable(QStringLiteral("exit code %1: %2").arg(m_app->process().exitCode()).arg(m_errors)));
    QVERIFY2(!m_errors.contains("left behind"), qPrintable(m_errors));
    m_app.reset();
}

void TestSimulatorInput::simctl(const QString& line)
{
    QString output;
    QVERIFY2(m_app->simctl(line.split(' '), &output), qPrintable(line + ": " + output));
}

void TestSimulatorInput::programStartsWhateverTheProfile_data()
{
    QTest::addColumn<QString>("shape");
    QTest::addColumn<QString>("fault");

    QTest::newRow("nested 10,000 deep") << "deep" << "nests deeper than 64 levels";
    QTest::newRow("a FIFO nobody writes to") << "fifo" << "is not a regular file";
    QTest::newRow("a directory") << "directory" << "is a directory";
}

// Once crashed (deep nesting) or froze the window for good (a FIFO): now the window comes
// up without devices and the driver says why in one line.
void TestSimulatorInput::programStartsWhateverTheProfile()
{
    QFETCH(QString, shape);
    QFETCH(QString, fault);
    const QString path = m_files.filePath(shape);
    if (shape == QLatin1String("deep")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(R"({"devices": [)" + QByteArray(10000, '[') + QByteArray(10000, ']') + "]}");
    } else if (shape == QLatin1String("fifo")) {
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else {
        QVERIFY(QDir().mkpath(path));
    }
    QString error;
    QVERIFY2(m_app->start(path, &error), qPrintable(error));
    QCOMPARE(m_app->command("snapshot").value("devices").toInt(), 0);
    QTRY_VERIFY2((m_errors += m_app->standardError()).contains(fault), qPrintable(m_errors));
    QCOMPARE(m_errors.count("marlix-sim: profile"), 1);
}

// A value getter is taken only when it answers exactly 0; the same read answering 0 again
// shows the value.
void TestSimulatorInput::positiveGetterAnswersAreNotTaken()
{
    QString error;
    QVERIFY2(m_app->start(QStringLiteral(LUMARIS_TEST_PROFILES "/views-e2e.json"), &error), qPrintable(error));
    QVERIFY(!m_app->command("wait-rows 4", 20000).contains("error"));
    QCOMPARE(cell(m_app->command("snapshot"), "E2E Capture", "videoIn"), QString("SDI"));

    // Every read answers 1: the program takes none of them and shows the neutral value,
    // not the new signal.
    simctl("success getters 1");
    simctl("signal capture Hi59");
    QTRY_COMPARE(cell(m_app->command("snapshot"), "E2E Capture", "videoIn"), QString("-"));

    simctl("success getters 0");
    simctl("storm capture stat 1");
    QTRY_COMPARE(cell(m_app->command("snapshot"), "E2E Capture", "videoIn"), QString("SDI: 1080i59.94"));
}

QTEST_GUILESS_MAIN(TestSimulatorInput)
#include "tst_simulatorinput.moc"
