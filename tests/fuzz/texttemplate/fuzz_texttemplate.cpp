// The template engine over arbitrary template text and values. Values stand for
// device and host texts: escaped, they must come out as inert text whatever they
// hold, and no template may crash, hang or render differently twice.
//
// Input: the template text, then values as "key<TAB>text", each part ended by a
// zero byte. The first byte chooses whether values are cleared on render.
#include "FuzzCheck.h"
#include "QTextTemplate.h"

#include <QByteArray>
#include <QList>
#include <QRegularExpression>
#include <QString>

namespace {

// Escaped text holds no markup, no placeholder, no control character, and an
// ampersand only as the start of one of the escapes (taken out in one pass).
bool isInert(QString text)
{
    static const QRegularExpression escapes(QStringLiteral("&(lt|gt|quot|amp|#36);"));
    static const QRegularExpression live(QStringLiteral("[<>\"$&\\x{0}-\\x{1f}\\x{7f}-\\x{9f}]"));
    return !text.remove(escapes).contains(live);
}

struct Value
{
    QString key;
    QString text;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const bool clearOnRender = data[0] & 1;
    const QList<QByteArray> parts =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data + 1), int(size - 1)).split('\0');
    const QString templateText = QString::fromUtf8(parts.first());
    QList<Value> values;
    for (int i = 1; i < parts.size(); ++i) {
        const int tab = parts[i].indexOf('\t');
        values.append({QString::fromUtf8(parts[i].left(tab)), QString::fromUtf8(parts[i].mid(tab + 1))});
    }

    // Each value alone, as a table cell holds it.
    QTextTemplate cell(true);
    cell.setTemplateText(QStringLiteral("<p>${Col1}</p>"));
    for (const Value& value : values) {
        const QString escaped = QTextTemplate::escaped(value.text);
        fuzzCheck(isInert(escaped));
        cell.setValue(QStringLiteral("Col1"), value.text, true);
        fuzzCheck(cell.render() == QStringLiteral("<p>") + escaped + QStringLiteral("</p>"));
    }

    // The fuzzed template with every value escaped; then its page nested in another,
    // as rows go into a table.
    QTextTemplate page(clearOnRender);
    page.setTemplateText(templateText);
    for (const Value& value : values)
        page.setValue(value.key, value.text, true);
    const QString first = page.render();
    const QString second = page.render();
    if (clearOnRender) {
        QTextTemplate empty(false);
        empty.setTemplateText(templateText);
        fuzzCheck(second == empty.render());
    } else {
        fuzzCheck(second == first);
    }

    QTextTemplate outer(true);
    outer.setTemplateText(QStringLiteral("<table>${Rows}</table>${Rows}"));
    outer.setValue(QStringLiteral("Rows"), first, false);
    fuzzCheck(outer.render().size() >= 2 * first.size());
    return 0;
}
