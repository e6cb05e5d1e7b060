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

// A file laid into the plug-in tree (see PluginTree::addPlugin).
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

private:
    QTemporaryDir m_settings;
};

void TestPluginScanner::initTestCase()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
}

// The window's own family comes first, the plug-ins' after it in their order.
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
    QStringList refused;
    for (const PluginFile& entry : qAsConst(layout)) {
        const QString path = tree.addPlugin(entry.directory, entry.file, entry.config);
        if (entry.config.contains(QLatin1String("accept=false")))
            refused << path;
    }
    if (removeRoot)
        QVERIFY(QDir(tree.pluginRoot()).removeRecursively());

    AdminUtilityWindow window;
    FakeFamily local(QStringLiteral("Local"));
    window.addFamily(&local);
    const int count = PluginScanner::registerFamilies(tree.applicationDir(), &window);
    QCOMPARE(familyNames(window), QStringList{"Local"} + expected);
    QCOMPARE(count, expected.size());
    for (const QString& path : qAsConst(refused))
        QVERIFY2(!QPluginLoader(path).isLoaded(), "a refused plug-in must be unloaded");
}

QTEST_MAIN(TestPluginScanner)
#include "tst_pluginscanner.moc"
