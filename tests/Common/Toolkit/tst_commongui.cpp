#include "ColourPalette.h"
#include "CommonGui.h"

#include <QFontInfo>
#include <QtTest>

class TestCommonGui : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void htmlColourTakesTheAlphaGiven();
    void fontStyles_data();
    void fontStyles();
    void fixedPoint_data();
    void fixedPoint();
};

void TestCommonGui::initTestCase()
{
    // The test harness pins font conversion to 96 dpi; the program converts
    // at the screen's own resolution, and so must this test.
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi, false);
    // As the main window does; the styles below must then resolve to these faces.
    QCOMPARE(CommonGui::registerApplicationFonts(), 3);
}

// Style sheets get the alpha asked for, not the colour's own.
void TestCommonGui::htmlColourTakesTheAlphaGiven()
{
    QCOMPARE(ColourPalette::toHtmlQString(QColor(1, 2, 3, 4), 100), QStringLiteral("rgba(1, 2, 3, 100)"));
}

void TestCommonGui::fontStyles_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("openSans");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<int>("weight");

    // One style of each face; the rest of the table is the same mechanism.
    QTest::newRow("title, light") << int(CommonGui::kFontTitle) << true << 30 << int(QFont::Light);
    QTest::newRow("body, regular") << int(CommonGui::kFontBody) << true << 13 << int(QFont::Normal);
    QTest::newRow("small, semibold") << int(CommonGui::kFontSmallSemibold) << true << 11 << int(QFont::DemiBold);
    QTest::newRow("a gap in the table falls back") << 9 << false << 24 << int(QFont::Bold);
}

void TestCommonGui::fontStyles()
{
    QFETCH(int, style);
    QFETCH(bool, openSans);
    QFETCH(int, pixels);
    QFETCH(int, weight);

    const QFont font = CommonGui::font(style);
    const QFontInfo resolved(font);
    QCOMPARE(resolved.pixelSize(), pixels);
    QCOMPARE(font.weight(), weight);
    if (openSans)
    {
        QVERIFY2(resolved.family().startsWith(QLatin1String("Open Sans")), qPrintable(resolved.family()));
        // The weight picks the face: light, regular or semibold Open Sans.
        QCOMPARE(resolved.weight(), weight);
    }
    else
    {
        QCOMPARE(font.family(), QStringLiteral("Times"));
    }
}

void TestCommonGui::fixedPoint_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<int>("fixed");
    QTest::addColumn<double>("back");

    QTest::newRow("one decimal") << 1.5 << 1 << 15 << 1.5;
    QTest::newRow("negative bound") << -10.0 << 1 << -100 << -10.0;
    QTest::newRow("half rounds up") << 0.25 << 1 << 3 << 0.3;
    QTest::newRow("negative half rounds up") << -2.5 << 0 << -2 << -2.0;
    QTest::newRow("negative below half rounds down") << -2.6 << 0 << -3 << -3.0;
    QTest::newRow("negative half of the last place is zero") << -0.05 << 1 << 0 << 0.0;
    QTest::newRow("decimal text just under half in binary") << 1.005 << 2 << 101 << 1.01;
    QTest::newRow("three decimals") << -0.0015 << 3 << -1 << -0.001;
}

void TestCommonGui::fixedPoint()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(int, fixed);
    QFETCH(double, back);
    QCOMPARE(CommonGui::toFixedPoint(value, decimals), fixed);
    QCOMPARE(CommonGui::fromFixedPoint(fixed, decimals), back);
}

QTEST_MAIN(TestCommonGui)
#include "tst_commongui.moc"
