#include "QTextTemplate.h"

#include <QtTest>

namespace {

struct Value
{
    QString key;
    QString value;
    bool escape;
};
using Values = QList<Value>;

} // namespace

Q_DECLARE_METATYPE(Values)

class TestTextTemplate : public QObject
{
    Q_OBJECT

private slots:
    void render_data();
    void render();
};

namespace {

// Values kept across renders: the second render gives the same text.
void keptRow(const char* name, const QString& text, const Values& values, const QString& expected)
{
    QTest::newRow(name) << text << values << false << expected << expected;
}

} // namespace

void TestTextTemplate::render_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Values>("values");
    QTest::addColumn<bool>("clearOnRender");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("second");  // rendered again without new values

    keptRow("same placeholder three times", "${a}-${a}-${a}", {{"a", "x", false}}, "x-x-x");
    keptRow("unknown key", "[${missing}]", {}, "[]");
    keptRow("no closing brace", "cost ${a and", {{"a", "x", false}}, "cost ${a and");
    keptRow("value holding a later placeholder", "${a}|${b}", {{"a", "${b}", false}, {"b", "B", false}}, "B|B");
    keptRow("placeholder only inside a value", "${a}", {{"a", "${z}", false}, {"z", "Z", false}}, "${z}");
    QTest::newRow("cleared on render") << "<td>${Col1}</td>" << Values{{"Col1", "SDI", false}} << true
                                       << "<td>SDI</td>" << "<td></td>";
    // Escaped values are device and host texts: nothing in them may act as markup.
    keptRow("escaped markup", "${a}", {{"a", "<b a=\"1\">A&B</b>", true}}, "&lt;b a=&quot;1&quot;&gt;A&amp;B&lt;/b&gt;");
    keptRow("escaped placeholder stays text", "${a}|${b}", {{"a", "${b}", true}, {"b", "B", false}}, "&#36;{b}|B");
    keptRow("escaped controls shown as their pictures", "${a}",
            {{"a", QString("a\x01\t\n\x7F") + QChar(0x85) + "Ä", true}}, QString("a\u2401\u2409\u240A\u2421\uFFFDÄ"));
}

void TestTextTemplate::render()
{
    QFETCH(QString, text);
    QFETCH(Values, values);
    QFETCH(bool, clearOnRender);
    QFETCH(QString, expected);
    QFETCH(QString, second);

    QTextTemplate tmpl(clearOnRender);
    tmpl.setTemplateText(text);
    for (const Value& v : values)
        tmpl.setValue(v.key, v.value, v.escape);
    QCOMPARE(tmpl.render(), expected);
    QCOMPARE(tmpl.render(), second);
}

QTEST_GUILESS_MAIN(TestTextTemplate)
#include "tst_texttemplate.moc"
