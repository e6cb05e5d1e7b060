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

// A file laid into the plug-in tree: a copy of the fake plug-in with its ini text,
// or, with the text "junk", a file that is no library at all.
struct PluginFile
{
    QString directory;
    QString file;
    QString config;
};
using Layout = QVector<PluginFile>;
}

Q_DECLARE_METATYPE(Layout)

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

// The configuration "unresolved" lays the plug-in that calls a function no
// library defines.
void TestPluginScanner::startupScan_data()
{
    QTest::addColumn<Layout>("layout");
    QTest::addColumn<bool>("removeRoot");
    QTest::addColumn<QStringList>("expected");

    const QString kept = QStringLiteral("[plugin]\nfamilies=Kept");
    QTest::newRow("no plug-in root") << Layout{} << true << QStringList{};
    QTest::newRow("empty plug-in root") << Layout{} << false << QStringList{};
    QTest::newRow("library directly in the root is ignored")
        << Layout{{"", "libroot.so", "[plugin]\nfamilies=Root"}} << false << QStringList{};
    QTest::newRow("plug-in keeps its family order")
        << Layout{{"one", "libfake.so", "[plugin]\nfamilies=Alpha,Beta,Gamma"}} << false
        << QStringList{"Alpha", "Beta", "Gamma"};
    QTest::newRow("plug-in without configuration") << Layout{{"one", "libfake.so", ""}} << false << QStringList{"Fake"};
    QTest::newRow("rejected plug-in is skipped, the next one tried")
        << Layout{{"one", "libreject.so", "[plugin]\naccept=false\nfamilies=Refused"}, {"one", "libaccept.so", kept}}
        << false << QStringList{"Kept"};
    QTest::newRow("plug-in with an unresolved function is skipped")
        << Layout{{"one", "libbroken.so", "unresolved"}, {"one", "libfake.so", kept}} << false << QStringList{"Kept"};
    QTest::newRow("file with a library name that is no library")
        << Layout{{"one", "libjunk.so", "junk"}, {"one", "libfake.so", kept}} << false << QStringList{"Kept"};
    QTest::newRow("every plug-in directory is searched")
        << Layout{{"one", "libfake.so", kept}, {"two", "libfake.so", kept}} << false << QStringList{"Kept", "Kept"};
    QTest::newRow("plug-in without a library name is ignored")
        << Layout{{"one", "fake.plugin", "[plugin]\nfamilies=Hidden"}} << false << QStringList{};
    QTest::newRow("versioned library name is loaded")
        << Layout{{"one", "libfake.so.1.2", "[plugin]\nfamilies=Versioned"}} << false << QStringList{"Versioned"};
    QTest::newRow("nested directories are not searched")
        << Layout{{"one/deeper", "libfake.so", "[plugin]\nfamilies=Deep"}} << false << QStringList{};
}

void TestPluginScanner::startupScan()
{
    QFETCH(Layout, layout);
    QFETCH(bool, removeRoot);
    QFETCH(QStringList, expected);

    PluginTree tree;
    for (const PluginFile& entry : qAsConst(layout)) {
        if (entry.config == QLatin1String("junk"))
            tree.addJunk(entry.directory, entry.file);
        else
            tree.addPlugin(entry.directory, entry.file, entry.config);
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
