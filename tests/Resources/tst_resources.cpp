#include "CapabilityTables.h"

#include <QDirIterator>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>

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

// "Name_%1" stands for the busy indicator's frames, the only numbered series.
void addName(QSet<QString>& names, const QString& name)
{
    // The report templates are text resources, not pictures.
    if (name.startsWith(QLatin1String("SystemReport")))
        return;
    if (!name.contains(QLatin1String("%1"))) {
        names.insert(name);
        return;
    }
    for (int n = 1; n <= 12; ++n)
        names.insert(QString(name).replace(QLatin1String("%1"), QString::number(n)));
}

// The whole literals ":/Name" of a source text. Comments, which may mention
// resources that nothing loads, and character literals are matched and passed over.
QSet<QString> namesInSource(const QString& source)
{
    static const QRegularExpression token(QStringLiteral(
        "\"((?:\\\\.|[^\"\\\\\\n])*)\"|'(?:\\\\.|[^'\\\\\\n])*'|//[^\\n]*|/\\*[\\s\\S]*?\\*/"));
    static const QRegularExpression picture(QStringLiteral("^:/([A-Za-z0-9_]+(?:%1)?)$"));
    QSet<QString> names;
    QRegularExpressionMatchIterator it = token.globalMatch(source);
    while (it.hasNext()) {
        const QRegularExpressionMatch name = picture.match(it.next().captured(1));
        if (name.hasMatch())
            addName(names, name.captured(1));
    }
    return names;
}

// Every picture name the program can ask for: its sources' literals, the list of
// names it builds at run time, and the model picture table.
QStringList namesTheProgramLoads()
{
    QSet<QString> names;
    QDirIterator it(sourcePath("AdminUtility"), {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        names.unite(namesInSource(readText(it.next())));
    for (const QString& line : readText(QStringLiteral(LUMARIS_EXTRA_PICTURE_NAMES)).split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty() && !line.startsWith(QLatin1Char('#')))
            addName(names, line.trimmed());
    }
    initialiseStaticData();
    for (const ModelIcons& icons : qAsConst(kModelImages)) {
        for (const QString& resource : {icons.image, icons.thumb, icons.listThumb})
            names.insert(resource.mid(2));
    }
    names.remove(QString());
    QStringList sorted = names.values();
    sorted.sort();
    return sorted;
}

bool hasVisiblePixels(const QImage& image)
{
    // Premultiplied, a pixel that shows nothing is all zero.
    QImage blank(image.size(), QImage::Format_ARGB32_Premultiplied);
    blank.fill(Qt::transparent);
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied) != blank;
}

} // namespace

class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void scannerFindsPictureNames_data();
    void scannerFindsPictureNames();

    void programPicture_data();
    void programPicture();

    void fontFacesResolveFromResources_data();
    void fontFacesResolveFromResources();
};

// The coverage test below is only as good as the scan that feeds it: these rows
// guard against names it would miss without a word. A name found that is no
// picture fails the coverage test loudly.
void TestResources::scannerFindsPictureNames_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("numbered series")
        << "QString(\":/Busy_Frame_%1\").arg(m_frame)"
        << QStringList{"Busy_Frame_1", "Busy_Frame_10", "Busy_Frame_11", "Busy_Frame_12",
                       "Busy_Frame_2", "Busy_Frame_3", "Busy_Frame_4", "Busy_Frame_5",
                       "Busy_Frame_6", "Busy_Frame_7", "Busy_Frame_8", "Busy_Frame_9"};
    QTest::newRow("line comment") << "// shown as \":/W\"\nsetImage(\":/Info\");" << QStringList{"Info"};
    QTest::newRow("block comment") << "/* \":/Old\" */ setImage(\":/Info\");" << QStringList{"Info"};
    QTest::newRow("slashes inside a literal")
        << "open(\"file://x\"); setImage(\":/Info\");" << QStringList{"Info"};
    QTest::newRow("escaped quote keeps the literal open")
        << "tr(\"a \\\" // no comment\"); setImage(\":/Info\");" << QStringList{"Info"};
    QTest::newRow("quote as a character") << "QLatin1Char('\"'); setImage(\":/Info\");" << QStringList{"Info"};
}

void TestResources::scannerFindsPictureNames()
{
    QFETCH(QString, source);
    QFETCH(QStringList, expected);
    QStringList found = namesInSource(source).values();
    found.sort();
    QCOMPARE(found, expected);
}

// Every name the program asks for, with the SVG it is drawn from (none: missing).
void TestResources::programPicture_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("svgPath");
    QHash<QString, QString> sources;
    QDirIterator it(sourcePath("AdminUtility/Resources"), {QStringLiteral("*.svg")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        sources.insert(QFileInfo(path).completeBaseName(), path);
    }
    const QStringList names = namesTheProgramLoads();
    QVERIFY2(names.size() > 100, qPrintable(QStringLiteral("only %1 names found").arg(names.size())));
    for (const QString& name : names)
        QTest::newRow(qPrintable(name)) << name << sources.value(name);
}

// Drawn at the SVG's size and at twice that. The suite runs on a 2x screen (see
// main): a QIcon made from ":/Name" must pick the ":/Name@2x" pixels, not an
// upscaled copy of the 1x ones.
void TestResources::programPicture()
{
    QFETCH(QString, name);
    QFETCH(QString, svgPath);
    QVERIFY2(!svgPath.isEmpty(), "the picture is missing");
    const QString resource = QStringLiteral(":/") + name;
    const QSize designed = QSvgRenderer(svgPath).defaultSize();
    QVERIFY2(designed.isValid(), qPrintable(svgPath + QStringLiteral(" has no size")));

    const QPixmap single(resource);
    const QImage sharp(resource + QStringLiteral("@2x"));
    QCOMPARE(single.size(), designed);
    QCOMPARE(single.devicePixelRatio(), 1.0);
    QCOMPARE(sharp.size(), designed * 2);
    // A shape the SVG renderer does not support leaves the picture empty.
    QVERIFY2(hasVisiblePixels(single.toImage()), "nothing was drawn at 1x");
    QVERIFY2(hasVisiblePixels(sharp), "nothing was drawn at 2x");

    const QPixmap onHighDensity = QIcon(resource).pixmap(single.size());
    QCOMPARE(onHighDensity.devicePixelRatio(), 2.0);
    QVERIFY2(onHighDensity.toImage().convertToFormat(sharp.format()) == sharp,
             "the 2x screen did not get the 2x picture");
}

void TestResources::fontFacesResolveFromResources_data()
{
    QTest::addColumn<int>("weight");
    QTest::addColumn<QString>("style");

    QTest::newRow("light 25") << 25 << "Light";
    QTest::newRow("normal 50") << 50 << "Regular";
    QTest::newRow("demibold 63") << 63 << "Semibold";
}

// The system's fonts are hidden from this process (see main): what resolves here
// comes from the resources alone, registered by the names the program uses, so
// a resource holding the wrong face resolves to the wrong style.
void TestResources::fontFacesResolveFromResources()
{
    QFETCH(int, weight);
    QFETCH(QString, style);
    for (const char* file : {":/OpenSans-Light", ":/OpenSans-Regular", ":/OpenSans-Semibold"})
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
