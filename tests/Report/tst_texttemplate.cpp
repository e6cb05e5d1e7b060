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

// What one render gives. A second render, with the values kept or cleared, is
// checked over every input of the template engine's fuzz target.
void TestTextTemplate::render_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Values>("values");
    QTest::addColumn<QString>("expected");

    QTest::newRow("same placeholder three times") << "${a}-${a}-${a}" << Values{{"a", "x"}} << "x-x-x";
    QTest::newRow("unknown key") << "[${missing}]" << Values{} << "[]";
    QTest::newRow("no closing brace") << "cost ${a and" << Values{{"a", "x"}} << "cost ${a and";
    QTest::newRow("value holding a later placeholder") << "${a}|${b}" << Values{{"a", "${b}"}, {"b", "B"}} << "B|B";
    QTest::newRow("placeholder only inside a value") << "${a}" << Values{{"a", "${z}"}, {"z", "Z"}} << "${z}";
}

void TestTextTemplate::render()
{
    QFETCH(QString, text);
    QFETCH(Values, values);
    QFETCH(QString, expected);

    QTextTemplate tmpl(false);
    tmpl.setTemplateText(text);
    for (auto value = values.cbegin(); value != values.cend(); ++value)
        tmpl.setValue(value.key(), value.value(), false);
    QCOMPARE(tmpl.render(), expected);
}

QTEST_GUILESS_MAIN(TestTextTemplate)
#include "tst_texttemplate.moc"
