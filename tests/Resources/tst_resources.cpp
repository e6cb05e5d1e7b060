#include "PictureNameScanner.h"

#include <QDirIterator>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

namespace {

QString readText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString sourcePath(const char* relative)
{
    return QStringLiteral(LUMARIS_SOURCE_DIR "/") + QLatin1String(relative);
}

// Every picture name the program can ask for.
QStringList namesTheProgramLoads()
{
    QSet<QString> names = PictureNameScanner::namesInTree(sourcePath("AdminUtility"));
    names.unite(PictureNameScanner::namesInList(readText(QStringLiteral(LUMARIS_EXTRA_PICTURE_NAMES))));
    names.unite(PictureNameScanner::productPictureNames(readText(sourcePath("docs/product-line.md"))));
    QStringList sorted = names.values();
    sorted.sort();
    return sorted;
}

bool hasVisiblePixels(const QImage& image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        if (std::any_of(line, line + argb.width(), [](QRgb p) { return qAlpha(p) > 0; }))
            return true;
    }
    return false;
}

} // namespace

class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void scannerFindsPictureNames_data();
    void scannerFindsPictureNames();
    void productSetsGiveThreePicturesEach();

    void programPictureLoadsAtBothScales_data();
    void programPictureLoadsAtBothScales();

    void pictureMatchesItsSource_data();
    void pictureMatchesItsSource();

    void fontFacesResolveFromResources_data();
    void fontFacesResolveFromResources();
};

// The coverage test below is only as good as the scan that feeds it.
void TestResources::scannerFindsPictureNames_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("numbered series")
        << "QString(\":/Busy_Frame_%1\").arg(m_frame)"
        << QStringList{"Busy_Frame_1", "Busy_Frame_10", "Busy_Frame_11", "Busy_Frame_12",
                       "Busy_Frame_2", "Busy_Frame_3", "Busy_Frame_4", "Busy_Frame_5",
                       "Busy_Frame_6", "Busy_Frame_7", "Busy_Frame_8", "Busy_Frame_9"};
    QTest::newRow("font path is no picture") << "addApplicationFont(\":/Fonts/OpenSans-Bold.ttf\")"
                                             << QStringList{};
    QTest::newRow("built name is no literal") << "QPixmap(\":/\" + word + \"Thumb\")" << QStringList{};
    QTest::newRow("report template is text") << "readTemplate(\":/SystemReportTable\")" << QStringList{};
    QTest::newRow("line comment") << "// shown as \":/W\"\nsetImage(\":/Info\");" << QStringList{"Info"};
    QTest::newRow("block comment") << "/* \":/Old\" */ setImage(\":/Info\");" << QStringList{"Info"};
    QTest::newRow("slashes inside a literal")
        << "open(\"file://x\"); setImage(\":/Info\");" << QStringList{"Info"};
    QTest::newRow("escaped quote keeps the literal open")
        << "tr(\"a \\\" // no comment\"); setImage(\":/Info\");" << QStringList{"Info"};
}

void TestResources::scannerFindsPictureNames()
{
    QFETCH(QString, source);
    QFETCH(QStringList, expected);
    QStringList found = PictureNameScanner::namesInSource(source).values();
    found.sort();
    QCOMPARE(found, expected);
}

void TestResources::productSetsGiveThreePicturesEach()
{
    const QString markdown = QStringLiteral(
        "# Line\n\n## Picture sets (2)\n\n| Set word | What it shows |\n|---|---|\n"
        "| CoreSDI | a card |\n| Bolt4K | a box |\n\n## Models\n\n| Id | Name |\n|---|---|\n"
        "| Capture | not a set |\n");
    QStringList names = PictureNameScanner::productPictureNames(markdown).values();
    names.sort();
    QCOMPARE(names, (QStringList{"Bolt4K", "Bolt4KListThumb", "Bolt4KThumb", "CoreSDI",
                                 "CoreSDIListThumb", "CoreSDIThumb"}));
}

void TestResources::programPictureLoadsAtBothScales_data()
{
    QTest::addColumn<QString>("resource");
    const QStringList names = namesTheProgramLoads();
    QVERIFY2(names.size() > 100, qPrintable(QStringLiteral("only %1 names found").arg(names.size())));
    for (const QString& name : names)
        QTest::newRow(qPrintable(name)) << QStringLiteral(":/") + name;
}

// The suite runs on a 2x screen (see main): a QIcon made from ":/Name" must pick
// the ":/Name@2x" pixels, not an upscaled copy of the 1x ones.
void TestResources::programPictureLoadsAtBothScales()
{
    QFETCH(QString, resource);
    const QPixmap single(resource);
    QVERIFY2(!single.isNull(), qPrintable(resource + QStringLiteral(" is missing")));
    QCOMPARE(single.devicePixelRatio(), 1.0);

    const QPixmap onHighDensity = QIcon(resource).pixmap(single.size());
    QCOMPARE(onHighDensity.devicePixelRatio(), 2.0);
    QCOMPARE(onHighDensity.size(), single.size() * 2);
    const QImage sharp(resource + QStringLiteral("@2x"));
    QVERIFY2(onHighDensity.toImage().convertToFormat(sharp.format()) == sharp,
             "the 2x screen did not get the 2x picture");
}

void TestResources::pictureMatchesItsSource_data()
{
    QTest::addColumn<QString>("svgPath");
    QDirIterator it(sourcePath("AdminUtility/Resources"), {QStringLiteral("*.svg")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QTest::newRow(qPrintable(QFileInfo(path).completeBaseName())) << path;
    }
}

void TestResources::pictureMatchesItsSource()
{
    QFETCH(QString, svgPath);
    const QString resource = QStringLiteral(":/") + QFileInfo(svgPath).completeBaseName();
    const QSize designed = QSvgRenderer(svgPath).defaultSize();
    QVERIFY2(designed.isValid(), qPrintable(svgPath + QStringLiteral(" has no size")));

    const QImage single(resource);
    const QImage doubled(resource + QStringLiteral("@2x"));
    QCOMPARE(single.size(), designed);
    QCOMPARE(doubled.size(), designed * 2);
    QCOMPARE(doubled.devicePixelRatio(), 2.0);
    // A shape the SVG renderer does not support leaves the picture empty.
    QVERIFY2(hasVisiblePixels(single), "nothing was drawn at 1x");
    QVERIFY2(hasVisiblePixels(doubled), "nothing was drawn at 2x");
}

void TestResources::fontFacesResolveFromResources_data()
{
    QTest::addColumn<int>("weight");
    QTest::addColumn<QString>("style");

    QTest::newRow("light 25") << 25 << "Light";
    QTest::newRow("normal 50") << 50 << "Regular";
    QTest::newRow("demibold 63") << 63 << "Semibold";
    QTest::newRow("bold 75") << 75 << "Bold";
}

// The system's fonts are hidden from this process (see main): what resolves here
// comes from the resources alone, registered by the names the program uses, so
// a resource holding the wrong face resolves to the wrong style.
void TestResources::fontFacesResolveFromResources()
{
    QFETCH(int, weight);
    QFETCH(QString, style);
    for (const char* file : {":/OpenSans-Light", ":/OpenSans-Regular", ":/OpenSans-Semibold",
                             ":/Fonts/OpenSans-Bold.ttf"})
        QVERIFY2(QFontDatabase::addApplicationFont(QLatin1String(file)) >= 0, file);

    QFont font(QStringLiteral("Open Sans"));
    font.setPixelSize(15);
    font.setWeight(weight);
    const QFontInfo info(font);
    QCOMPARE(info.family(), QStringLiteral("Open Sans"));
    QCOMPARE(info.styleName(), style);
}

int main(int argc, char** argv)
{
    // A 2x screen, so that Qt's choice between "Name" and "Name@2x" can be seen.
    qputenv("QT_SCALE_FACTOR", "2");
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);

    // A font configuration without font folders: only application fonts exist.
    QTemporaryDir fontConfigDir;
    const QString fontConfig = fontConfigDir.filePath(QStringLiteral("fonts.conf"));
    QFile conf(fontConfig);
    if (!conf.open(QIODevice::WriteOnly))
        return 1;
    conf.write(QStringLiteral("<?xml version=\"1.0\"?>\n<fontconfig><cachedir>%1</cachedir></fontconfig>\n")
                   .arg(fontConfigDir.path()).toUtf8());
    conf.close();
    qputenv("FONTCONFIG_FILE", fontConfig.toLocal8Bit());

    QGuiApplication app(argc, argv);
    TestResources test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_resources.moc"
