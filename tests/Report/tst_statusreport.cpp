#include "CapabilityTables.h"
#include "MarlixStatusReport.h"
#include "SimulatorSession.h"
#include "VisibleMarlix.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

using Rows = QList<QStringList>;

QStringList allCaptures(const QString& pattern, const QString& text)
{
    QStringList found;
    auto matches = QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption).globalMatch(text);
    while (matches.hasNext())
        found << matches.next().captured(1);
    return found;
}

// The cells of each row, or the paragraphs, under one heading of a page.
Rows section(const QString& page, const QString& heading)
{
    Rows rows;
    const QString body = allCaptures("<h4>" + QRegularExpression::escape(heading) + "</h4>(.*?)(?:<h4>|</div>)", page)
                             .value(0);
    for (const QString& row : allCaptures("<tr>(.*?)</tr>", body))
        rows << allCaptures("<p[^>]*>(.*?)</p>", row);
    return rows.isEmpty() && !body.isEmpty() ? Rows{allCaptures("<p>(.*?)</p>", body)} : rows;
}

// Fixed answers for the host commands, so that pages do not depend on the machine.
CommandRunner knownHost()
{
    return [](const QString& command, QString* output) {
        static const QMap<QString, QString> answers = {{"hostname", "bay-7\n"},
                                                       {"lsb_release -sd", "Debian GNU/Linux 12 (bookworm)\n"},
                                                       {"uname -r", "6.1.0-18-amd64\n"},
                                                       {"nproc", "8\n"}};
        *output = answers.value(command);
        return answers.contains(command) ? 0 : 1;
    };
}

// The page of the device, rendered, or written to the path when one is given.
QString pageOf(const QString& deviceName, const CommandRunner& host = knownHost(), const QString& path = QString())
{
    std::unique_ptr<VisibleMarlix> device(SimulatorSession::takeDevice(deviceName));
    if (!device)
        return QString();
    MarlixStatusReport report(*device);
    report.setCommandRunner(host);
    if (path.isEmpty())
        return report.render();
    return report.writeTo(path) ? path : QString();
}

// libxml2's HTML parser reads the file back: its messages other than those about
// the newer elements it does not know, and the text of the query.
QString parsed(const QString& path, const QString& xpath, QStringList* errors)
{
    QProcess xmllint;
    xmllint.start(QStringLiteral("xmllint"), {"--html", "--xpath", xpath, path});
    xmllint.waitForFinished();
    for (const QString& line : QString::fromUtf8(xmllint.readAllStandardError()).split('\n')) {
        if (line.contains(QStringLiteral("parser error")) && !line.contains(QRegularExpression("Tag (article|section) invalid")))
            *errors << line;
    }
    return QString::fromUtf8(xmllint.readAllStandardOutput()).chopped(1);  // xmllint ends it with a newline
}

} // namespace

// The status report of simulated devices (tests/profiles/report-devices.json).
class TestStatusReport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void defaultFilePath();
    void tables_data();
    void tables();
    void deviceTextIsEscaped_data();
    void deviceTextIsEscaped();
    void failedReportLeavesNothing_data();
    void failedReportLeavesNothing();
    void failingHostCommandsCostTheirBoundAndAreLeftOut_data();
    void failingHostCommandsCostTheirBoundAndAreLeftOut();
};

void TestStatusReport::initTestCase()
{
    SimulatorSession::start(QStringLiteral("report-devices.json"));
    initialiseStaticData();
}

void TestStatusReport::defaultFilePath()
{
    // A home given with a detour and a trailing separator comes back clean.
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("home/user")));
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", (dir.path() + QStringLiteral("/home/../home/user/")).toLocal8Bit());
    const QString path = MarlixStatusReport::defaultFilePath(QDateTime(QDate(2018, 3, 5), QTime(14, 7, 9)));
    qputenv("HOME", oldHome);
    QCOMPARE(path, dir.path() + QStringLiteral("/home/user/Orvanta_Lumaris_Status_Report_2018-03-05_14-07-09.html"));
}

void TestStatusReport::tables_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<Rows>("rows");

    const QString yuv8 = QStringLiteral("1080i59.94, 8-bit YUV 4:2:2");
    // The profile's EDID bytes, in Base64 lines of 36 characters.
    QByteArray edid;
    for (int i = 0; i < 256; ++i)
        edid.append(char((i * 7 + 3) & 0xFF));
    QStringList edidLines;
    for (int at = 0; at < edid.toBase64().size(); at += 36)
        edidLines << QString::fromLatin1(edid.toBase64().mid(at, 36));
    QTest::newRow("input: connection, mode, pixel format")
        << "studio" << "Video Input" << Rows{{"SDI", "1080i59.94, 10-bit YUV 4:2:2"}};
    QTest::newRow("output: each offered connection in table order")
        << "studio" << "Video Output"
        << Rows{{"SDI", yuv8}, {"HDMI", yuv8}, {"Component", yuv8}, {"Composite", "-"}, {"S Video", "-"}};
    QTest::newRow("output mode the device does not list") << "unlisted-output" << "Video Output" << Rows{{"SDI", "-"}};
    QTest::newRow("reference") << "studio" << "Reference" << Rows{{"1080i59.94", "Locked"}};
    QTest::newRow("options") << "studio" << "Video Options"
                             << Rows{{"Capture 1080p as PsF", "Enabled"}, {"Output 1080p as PsF", "Disabled"},
                                     {"4:4:4 RGB", "Disabled"}};
    QTest::newRow("USB") << "bare" << "Device Interface" << Rows{{"USB", ""}};
    QTest::newRow("no bus") << "no-bus" << "Device Interface" << Rows{{"Unknown", ""}};
    QTest::newRow("EDID") << "studio" << "HDMI EDID Data Received" << Rows{{edidLines.join("<br/>"), ""}};
    QTest::newRow("PCIe link") << "studio" << "PCIe Status" << Rows{{"Link Width", "4x"}, {"Link Speed", "5 Gbps"}};
    // A section only for what the device has.
    QTest::newRow("no input on a bare device") << "bare" << "Video Input" << Rows{};
    QTest::newRow("no output on a bare device") << "bare" << "Video Output" << Rows{};
    QTest::newRow("no reference on a bare device") << "bare" << "Reference" << Rows{};
    QTest::newRow("no EDID on a bare device") << "bare" << "HDMI EDID Data Received" << Rows{};
    QTest::newRow("no options without them") << "unlisted-output" << "Video Options" << Rows{};
    QTest::newRow("no PCIe status without a link width") << "unlisted-output" << "PCIe Status" << Rows{};
    QTest::newRow("machine name, trimmed") << "bare" << "Machine Name" << Rows{{"bay-7"}};
    QTest::newRow("operating system")
        << "bare" << "Operating System" << Rows{{"Debian GNU/Linux 12 (bookworm) (6.1.0-18-amd64)"}};
}

void TestStatusReport::tables()
{
    QFETCH(QString, device);
    QFETCH(QString, heading);
    QFETCH(Rows, rows);
    QCOMPARE(section(pageOf(device), heading), rows);
}

void TestStatusReport::deviceTextIsEscaped_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("shown");

    QTest::newRow("markup") << "markup" << "<b onclick=\"x()\">Studio</b> <script>alert(1)</script>";
    QTest::newRow("quotes, ampersand, placeholder") << "quotes" << "Tom's \"Edit\" Bay & Co ${MachineName}";
    QTest::newRow("control characters")
        << "controls" << QString::fromUtf8("Rack\u2401\u2407\u241B[31m\u2421\uFFFD B\u2409C\u240AD");
    QTest::newRow("4 KB") << "long-name" << "Lumaris " + QString("<A&B>").repeated(820);
}

void TestStatusReport::deviceTextIsEscaped()
{
    QFETCH(QString, device);
    QFETCH(QString, shown);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.html"));
    QCOMPARE(pageOf(device, knownHost(), path), path);
    // The parser gives back the device's own text as the model name, and the page
    // holds no element of the device's making.
    QStringList errors;
    QCOMPARE(parsed(path, QStringLiteral("string(//h3)"), &errors), shown);
    QCOMPARE(parsed(path, QStringLiteral("count(//b|//script)"), &errors), QStringLiteral("0"));
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join('\n')));
}

void TestStatusReport::failedReportLeavesNothing_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("target");

    QTest::newRow("missing folder") << "studio" << "no-such-folder/report.html";
    QTest::newRow("target is a folder") << "studio" << "a-folder";
    QTest::newRow("input connection without a name") << "unnamed-input" << "old.html";
}

void TestStatusReport::failedReportLeavesNothing()
{
    QFETCH(QString, device);
    QFETCH(QString, target);

    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("a-folder")));
    QFile old(dir.filePath(QStringLiteral("old.html")));
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("an earlier report") > 0);
    old.close();

    QCOMPARE(pageOf(device, knownHost(), dir.filePath(target)), QString());
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             (QStringList{"a-folder", "old.html"}));
    QVERIFY(QDir(dir.filePath(QStringLiteral("a-folder"))).isEmpty());
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("an earlier report"));
}

void TestStatusReport::failingHostCommandsCostTheirBoundAndAreLeftOut_data()
{
    QTest::addColumn<QByteArray>("script");  // of every host command; none: not on the path
    QTest::addColumn<int>("minimumMs");

    QTest::newRow("missing") << QByteArray() << 0;
    QTest::newRow("hanging") << QByteArray("#!/bin/sh\nexec /bin/sleep 30\n") << 3 * 300;  // three give up
}

// The host commands are looked up on a path of the test's own; each gets a bound
// of 300 ms, and a second more to start and to be stopped.
void TestStatusReport::failingHostCommandsCostTheirBoundAndAreLeftOut()
{
    QFETCH(QByteArray, script);
    QFETCH(int, minimumMs);

    QTemporaryDir bin;
    for (const char* name : {"hostname", "lsb_release", "nproc", "uname"}) {
        QFile file(bin.filePath(QString::fromLatin1(name)));
        QVERIFY(script.isEmpty() || (file.open(QIODevice::WriteOnly) && file.write(script) > 0
                                     && file.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner)));
    }
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", bin.path().toLocal8Bit());
    QElapsedTimer timer;
    timer.start();
    const QString page = pageOf(QStringLiteral("bare"), shellCommandRunner(300));
    const qint64 elapsed = timer.elapsed();
    qputenv("PATH", oldPath);

    QCOMPARE(section(page, QStringLiteral("Machine Name")), Rows{{""}});
    QCOMPARE(section(page, QStringLiteral("Operating System")), Rows{{""}});
    QCOMPARE(section(page, QStringLiteral("Physical Processors")), Rows{{"1"}});
    QVERIFY2(elapsed >= minimumMs && elapsed < 3 * 1300, qPrintable(QString::number(elapsed)));
}

QTEST_GUILESS_MAIN(TestStatusReport)
#include "tst_statusreport.moc"
