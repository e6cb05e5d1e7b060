#include "AdminUtilityWindow.h"
#include "FakeFamily.h"
#include "PluginScanner.h"
#include "PluginTree.h"
#include "ProductFamily.h"

#include <QPluginLoader>
#include <QSettings>
#include <QtTest>

namespace
{
QStringList familyNames(const AdminUtilityWindow& window)
{
    QStringList names;
    for (ProductFamily* family : window.families())
        names << family->getName();
    return names;
}

QStringList s_messages;

void collectMessage(QtMsgType, const QMessageLogContext&, const QString& message)
{
    s_messages << message;
}
}

class TestPluginScanner : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void startupScan_data();
    void startupScan();
    void loadPluginsAnnouncesEachPluginAndUnloadsRefusals();

private:
    QTemporaryDir m_settings;
};

void TestPluginScanner::initTestCase()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
}

// Each layout entry is "directory|file|configuration", with "junk" as the
// configuration for a file that is no library, "unresolved" for a plug-in that
// calls a function no library defines, and "/" for line breaks.
void TestPluginScanner::startupScan_data()
{
    QTest::addColumn<QStringList>("layout");
    QTest::addColumn<bool>("removeRoot");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("no plug-in root") << QStringList{} << true << QStringList{};
    QTest::newRow("empty plug-in root") << QStringList{} << false << QStringList{};
    QTest::newRow("library directly in the root is ignored")
        << QStringList{"|libroot.so|[plugin]/families=Root"} << false << QStringList{};
    QTest::newRow("plug-in keeps its family order")
        << QStringList{"one|libfake.so|[plugin]/families=Alpha,Beta,Gamma"} << false
        << QStringList{"Alpha", "Beta", "Gamma"};
    QTest::newRow("plug-in without configuration") << QStringList{"one|libfake.so|"} << false
                                                   << QStringList{"Fake"};
    QTest::newRow("rejected plug-in is skipped, the next one tried")
        << QStringList{"one|libreject.so|[plugin]/accept=false/families=Refused",
                       "one|libaccept.so|[plugin]/families=Kept"}
        << false << QStringList{"Kept"};
    QTest::newRow("plug-in with an unresolved function is skipped")
        << QStringList{"one|libbroken.so|unresolved", "one|libfake.so|[plugin]/families=Kept"} << false
        << QStringList{"Kept"};
    QTest::newRow("file with a library name that is no library")
        << QStringList{"one|libjunk.so|junk", "one|libfake.so|[plugin]/families=Kept"} << false
        << QStringList{"Kept"};
    QTest::newRow("every plug-in directory is searched")
        << QStringList{"one|libfake.so|[plugin]/families=Kept", "two|libfake.so|[plugin]/families=Kept"} << false
        << QStringList{"Kept", "Kept"};
    QTest::newRow("plug-in without a library name is ignored")
        << QStringList{"one|fake.plugin|[plugin]/families=Hidden"} << false << QStringList{};
    QTest::newRow("versioned library name is loaded")
        << QStringList{"one|libfake.so.1.2|[plugin]/families=Versioned"} << false << QStringList{"Versioned"};
    QTest::newRow("nested directories are not searched")
        << QStringList{"one/deeper|libfake.so|[plugin]/families=Deep"} << false << QStringList{};
}

void TestPluginScanner::startupScan()
{
    QFETCH(QStringList, layout);
    QFETCH(bool, removeRoot);
    QFETCH(QStringList, expected);

    PluginTree tree;
    for (const QString& entry : layout) {
        const QStringList parts = entry.split(QLatin1Char('|'));
        if (parts.at(2) == QLatin1String("junk"))
            tree.addJunk(parts.at(0), parts.at(1));
        else
            tree.addPlugin(parts.at(0), parts.at(1), QString(parts.at(2)).replace(QLatin1Char('/'), QLatin1Char('\n')));
    }
    if (removeRoot)
        QVERIFY(QDir(tree.pluginRoot()).removeRecursively());

    AdminUtilityWindow window;
    const int count = PluginScanner::registerFamilies(tree.applicationDir(), &window);
    QCOMPARE(familyNames(window), expected);
    QCOMPARE(count, expected.size());
}

void TestPluginScanner::loadPluginsAnnouncesEachPluginAndUnloadsRefusals()
{
    PluginTree tree;
    const QString accepted = tree.addPlugin(QStringLiteral("one"), QStringLiteral("libaccept.so"),
                                            QStringLiteral("[plugin]\nfamilies=X,Y"));
    const QString rejected = tree.addPlugin(QStringLiteral("two"), QStringLiteral("libreject.so"),
                                            QStringLiteral("[plugin]\naccept=false"));
    tree.addJunk(QStringLiteral("two"), QStringLiteral("libjunk.so"));
    const QStringList directories{tree.pluginRoot() + QStringLiteral("/one"), tree.pluginRoot() + QStringLiteral("/two")};

    AdminUtilityWindow window;
    FakeFamily local(QStringLiteral("Local"));
    window.addFamily(&local);
    s_messages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collectMessage);
    const quint16 count = window.loadPlugins(directories);
    qInstallMessageHandler(previous);

    QCOMPARE(count, quint16(2));
    QCOMPARE(familyNames(window), (QStringList{"Local", "X", "Y"}));
    // Every library that is a plug-in of ours is announced, also one that then refuses.
    const QString announcement = QStringLiteral("Plugin (version:  \"1.4.2\" ) loaded from :  \"%1\"");
    QStringList expected{QStringLiteral("(\"%1\", \"%2\")").arg(directories.at(0), directories.at(1)),
                         announcement.arg(accepted), announcement.arg(rejected)};
    QCOMPARE(s_messages, expected);
    QVERIFY2(!QPluginLoader(rejected).isLoaded(), "a refused plug-in must be unloaded");
    QVERIFY2(QPluginLoader(accepted).isLoaded(), "an accepted plug-in must stay loaded");
}

QTEST_MAIN(TestPluginScanner)
#include "tst_pluginscanner.moc"
