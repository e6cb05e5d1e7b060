// The two Debian packages made from this build tree, unpacked into a scratch
// root: what the desktop's validators say of them, what they depend on, and
// the installed program running from there without the build tree.
#include "ProbedApp.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const QString kProgramPackage = QStringLiteral("lumaris-setup");
const QString kSimulatorPackage = QStringLiteral("lumaris-setup-simulator");
const QString kSimulatorLibrary = QStringLiteral("/usr/lib/marlix-simulator/libMarlixAPI.so");

struct Run
{
    int exitCode = -1;
    QString output;
};

// A tool's exit code and its merged output; -1 when it did not run to the end.
Run run(const QString& program, const QStringList& arguments, int timeoutMs = 300000)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    Run result;
    if (process.waitForFinished(timeoutMs) && process.exitStatus() == QProcess::NormalExit)
        result.exitCode = process.exitCode();
    result.output = QString::fromUtf8(process.readAll());
    return result;
}

// The libMarlixAPI.so files that a running process has mapped.
QStringList mappedDriverLibraries(qint64 pid)
{
    QFile maps(QStringLiteral("/proc/%1/maps").arg(pid));
    QStringList paths;
    for (const QByteArray& line : maps.open(QIODevice::ReadOnly) ? maps.readAll().split('\n') : QList<QByteArray>()) {
        const QString path = QString::fromUtf8(line.mid(line.indexOf('/')));
        if (path.endsWith(QLatin1String("/libMarlixAPI.so")) && !paths.contains(path))
            paths << path;
    }
    return paths;
}

} // namespace

class TestInstalledPackage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void validators_data();
    void validators();
    void iconsMatchTheirFolders();
    void dependencies_data();
    void dependencies();
    void installedProgramLoadsTheDriver_data();
    void installedProgramLoadsTheDriver();

private:
    QString packageFile(const QString& package) const;
    QString root() const { return m_scratch.path() + QStringLiteral("/root"); }

    QTemporaryDir m_scratch;
};

void TestInstalledPackage::initTestCase()
{
    QVERIFY(m_scratch.isValid());
    // Nothing here reads the packages compressed; compressing them would only cost time.
    qputenv("MAKE_DEBS_COMPRESSION", "none");
    const Run made = run(QStringLiteral(LUMARIS_SOURCE_DIR "/scripts/make-debs"),
                         {QStringLiteral(LUMARIS_BUILD_DIR), m_scratch.path() + QStringLiteral("/debs")});
    QVERIFY2(made.exitCode == 0, qPrintable(made.output));
    for (const QString& package : {kProgramPackage, kSimulatorPackage}) {
        const Run unpacked = run(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), packageFile(package), root()});
        QVERIFY2(unpacked.exitCode == 0, qPrintable(unpacked.output));
    }
}

QString TestInstalledPackage::packageFile(const QString& package) const
{
    const QStringList found = QDir(m_scratch.path() + QStringLiteral("/debs"))
                                  .entryList({package + QStringLiteral("_*.deb")}, QDir::Files);
    return found.size() == 1 ? m_scratch.path() + QStringLiteral("/debs/") + found.first() : QString();
}

void TestInstalledPackage::validators_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QStringList>("arguments");

    QTest::newRow("desktop entry") << "desktop-file-validate"
                                   << QStringList{"/usr/share/applications/com.orvanta.LumarisSetup.desktop"};
    // The tree, not only the file: the desktop entry that the metainfo names must be there too.
    QTest::newRow("AppStream metainfo") << "appstreamcli" << QStringList{"validate-tree", "--no-net", "/"};
}

void TestInstalledPackage::validators()
{
    QFETCH(QString, tool);
    QFETCH(QStringList, arguments);
    const QString path = root() + arguments.takeLast();
    const Run validated = run(tool, arguments << path);
    QVERIFY2(validated.exitCode == 0, qPrintable(validated.output));
    // Hints and pedantic remarks pass; warnings and errors do not.
    QVERIFY2(!validated.output.contains(QRegularExpression(QStringLiteral("(^|\\n)[EW]: |: (error|warning): "))),
             qPrintable(validated.output));
}

// A desktop picks an icon by the folder's size; a wrongly sized one comes out blurred.
void TestInstalledPackage::iconsMatchTheirFolders()
{
    const QSettings entry(root() + QStringLiteral("/usr/share/applications/com.orvanta.LumarisSetup.desktop"),
                          QSettings::IniFormat);
    const QString icon = entry.value(QStringLiteral("Desktop Entry/Icon")).toString();
    QVERIFY(!icon.isEmpty());

    int icons = 0;
    QDirIterator it(root() + QStringLiteral("/usr/share/icons/hicolor"), {icon + QStringLiteral(".png")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QSize size = QImageReader(path).size();
        QCOMPARE(QStringLiteral("%1x%2").arg(size.width()).arg(size.height()), path.section(QLatin1Char('/'), -3, -3));
        ++icons;
    }
    QVERIFY2(icons > 0, qPrintable(icon));
}

void TestInstalledPackage::dependencies_data()
{
    QTest::addColumn<QString>("package");
    QTest::addColumn<QStringList>("needed");
    QTest::addColumn<QStringList>("unwanted");

    // A studio with the real driver installs the program alone: it must not pull the simulator in.
    QTest::newRow("program") << kProgramPackage
                             << QStringList{"libqt5widgets5", "libqt5gui5", "libqt5core5a", "libc6",
                                            "qttranslations5-l10n"}
                             << QStringList{kSimulatorPackage};
    QTest::newRow("simulator never uses Qt") << kSimulatorPackage << QStringList{"libstdc++6", "libc6"}
                                             << QStringList{"libqt5"};
}

void TestInstalledPackage::dependencies()
{
    QFETCH(QString, package);
    QFETCH(QStringList, needed);
    QFETCH(QStringList, unwanted);
    const Run fields = run(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), packageFile(package),
                                                        QStringLiteral("Depends"), QStringLiteral("Pre-Depends"),
                                                        QStringLiteral("Recommends")});
    QCOMPARE(fields.exitCode, 0);
    for (const QString& name : needed)
        QVERIFY2(fields.output.contains(QRegularExpression(QStringLiteral("\\b%1\\b").arg(QRegularExpression::escape(name)))),
                 qPrintable(name + QStringLiteral(" missing: ") + fields.output));
    for (const QString& name : unwanted)
        QVERIFY2(!fields.output.contains(name), qPrintable(name + QStringLiteral(" in: ") + fields.output));
}

void TestInstalledPackage::installedProgramLoadsTheDriver_data()
{
    QTest::addColumn<QString>("realDriver");

    QTest::newRow("simulator only") << QString();
    // The real library goes into the system's library directory; there it wins.
    QTest::newRow("real driver installed") << "/usr/lib/libMarlixAPI.so";
}

// Started through the link in bin/, the program finds its plug-ins (the probe)
// beside its real file and the driver library through its own RUNPATH.
void TestInstalledPackage::installedProgramLoadsTheDriver()
{
    QFETCH(QString, realDriver);
    const QString loaded = realDriver.isEmpty() ? kSimulatorLibrary : realDriver;
    // The simulator serves as the real driver here: which one is mapped tells them apart.
    if (!realDriver.isEmpty())
        QVERIFY(QFile::copy(root() + kSimulatorLibrary, root() + realDriver));
    auto removeRealDriver = qScopeGuard([&] {
        if (!realDriver.isEmpty())
            QFile::remove(root() + realDriver);
    });

    ProbedApp app(root() + QStringLiteral("/usr/bin"), QStringLiteral(LUMARIS_PROBE_LIBRARY),
                  ProbedApp::Layout::Installed);
    QString error;
    QVERIFY2(app.start(QString(), &error), qPrintable(error));
    const QJsonObject rows = app.command(QStringLiteral("wait-rows 11"), 20000);
    QVERIFY2(!rows.contains(QStringLiteral("error")), qPrintable(app.standardError()));
    QCOMPARE(mappedDriverLibraries(app.pid()), QStringList{root() + loaded});

    // The installed control tool drives the installed simulator.
    QString listing;
    QVERIFY2(app.simctl({QStringLiteral("list")}, &listing), qPrintable(listing));
    QVERIFY2(listing.contains(QLatin1String("Lumaris Studio Pro")), qPrintable(listing));

    QVERIFY2(app.stop(), qPrintable(app.standardError()));
}

QTEST_GUILESS_MAIN(TestInstalledPackage)
#include "tst_installedpackage.moc"
