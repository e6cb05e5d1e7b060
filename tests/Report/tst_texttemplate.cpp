#include "QTextTemplate.h"

#include <QtTest>

using Values = QMap<QString, QString>;

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

    keptRow("same placeholder three times", "${a}-${a}-${a}", {{"a", "x"}}, "x-x-x");
    keptRow("unknown key", "[${missing}]", {}, "[]");
    keptRow("no closing brace", "cost ${a and", {{"a", "x"}}, "cost ${a and");
    keptRow("value holding a later placeholder", "${a}|${b}", {{"a", "${b}"}, {"b", "B"}}, "B|B");
    keptRow("placeholder only inside a value", "${a}", {{"a", "${z}"}, {"z", "Z"}}, "${z}");
    QTest::newRow("cleared on render") << "<td>${Col1}</td>" << Values{{"Col1", "SDI"}} << true
                                       << "<td>SDI</td>" << "<td></td>";
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
    for (auto value = values.cbegin(); value != values.cend(); ++value)
        tmpl.setValue(value.key(), value.value(), false);
    QCOMPARE(tmpl.render(), expected);
    QCOMPARE(tmpl.render(), second);
}

QTEST_GUILESS_MAIN(TestTextTemplate)
#include "tst_texttemplate.moc"
