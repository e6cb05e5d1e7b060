// The real program against a simulated driver that is handed hostile input or answers
// as strictly as hardware may: the program still starts, shows what it can, and ends
// cleanly (in a test run the driver aborts on anything the program leaves behind).
#include "ProbedCase.h"

#include <QFile>
#include <QtTest>

#include <sys/stat.h>

class TestSimulatorInput : public ProbedCase
{
    Q_OBJECT

private slots:
    void programStartsWhateverTheProfile_data();
    void programStartsWhateverTheProfile();
    void positiveGetterAnswersAreNotTaken();

private:
    QTemporaryDir m_files;
};

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
    QVERIFY(start(path));
    QCOMPARE(snapshot().value("devices").toInt(), 0);
    QTRY_VERIFY2(errors().contains(fault), qPrintable(errors()));
    QCOMPARE(errors().count("marlix-sim: profile"), 1);
}

// A value getter is taken only when it answers exactly 0; the same read answering 0 again
// shows the value.
void TestSimulatorInput::positiveGetterAnswersAreNotTaken()
{
    QVERIFY(start(QStringLiteral(LUMARIS_TEST_PROFILES "/views-e2e.json"), 4));
    QCOMPARE(cell(snapshot(), "E2E Capture", "videoIn"), QString("SDI"));

    // Every read answers 1: the program takes none of them and shows the neutral value,
    // not the new signal.
    QVERIFY(sim("success getters 1"));
    QVERIFY(sim("signal capture Hi59"));
    QTRY_COMPARE(cell(snapshot(), "E2E Capture", "videoIn"), QString("-"));

    QVERIFY(sim("success getters 0"));
    QVERIFY(sim("storm capture stat 1"));
    QTRY_COMPARE(cell(snapshot(), "E2E Capture", "videoIn"), QString("SDI: 1080i59.94"));
}

QTEST_GUILESS_MAIN(TestSimulatorInput)
#include "tst_simulatorinput.moc"
