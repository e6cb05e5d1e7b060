#include "PictureNameScanner.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

namespace PictureNameScanner {

namespace {

const int kSeriesLength = 12;  // the busy indicator's frames, the only numbered series

// The report templates are text resources, not pictures.
const QSet<QString> kDocumentNames = {QStringLiteral("SystemReport"),
                                      QStringLiteral("SystemReportTable"),
                                      QStringLiteral("SystemReportTableRow")};

void addName(QSet<QString>& names, const QString& name)
{
    if (kDocumentNames.contains(name))
        return;
    if (!name.contains(QLatin1String("%1"))) {
        names.insert(name);
        return;
    }
    for (int n = 1; n <= kSeriesLength; ++n)
        names.insert(QString(name).replace(QLatin1String("%1"), QString::number(n)));
}

// The code without its comments, which may mention resources that nothing loads.
QString withoutComments(const QString& source)
{
    QString code;
    code.reserve(source.size());
    QChar quote;  // the open literal's quote character, or null outside literals
    for (int i = 0; i < source.size(); ++i) {
        const QChar c = source[i];
        const QChar next = i + 1 < source.size() ? source[i + 1] : QChar();
        if (!quote.isNull()) {
            code += c;
            if (c == QLatin1Char('\\') && !next.isNull())
                code += source[++i];
            else if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('/') && next == QLatin1Char('/')) {
            i = source.indexOf(QLatin1Char('\n'), i) - 1;
            if (i < 0)
                break;
        } else if (c == QLatin1Char('/') && next == QLatin1Char('*')) {
            const int end = source.indexOf(QLatin1String("*/"), i + 2);
            if (end < 0)
                break;
            i = end + 1;
            code += QLatin1Char(' ');
        } else {
            if (c == QLatin1Char('"') || c == QLatin1Char('\''))
                quote = c;
            code += c;
        }
    }
    return code;
}

QString readText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

QSet<QString> namesInSource(const QString& source)
{
    // A whole literal: ":/Fonts/x.ttf" or ":/" + word are not picture names.
    static const QRegularExpression literal(QStringLiteral("\":/([A-Za-z0-9_]+(?:%1)?)\""));
    QSet<QString> names;
    QRegularExpressionMatchIterator it = literal.globalMatch(withoutComments(source));
    while (it.hasNext())
        addName(names, it.next().captured(1));
    return names;
}

QSet<QString> namesInTree(const QString& folder)
{
    QSet<QString> names;
    QDirIterator it(folder, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        names.unite(namesInSource(readText(it.next())));
    return names;
}

QSet<QString> namesInList(const QString& text)
{
    QSet<QString> names;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QString name = line.trimmed();
        if (!name.isEmpty() && !name.startsWith(QLatin1Char('#')))
            addName(names, name);
    }
    return names;
}

QSet<QString> productPictureNames(const QString& productLineMarkdown)
{
    const int start = productLineMarkdown.indexOf(QLatin1String("## Picture sets"));
    if (start < 0)
        return {};
    int end = productLineMarkdown.indexOf(QLatin1String("\n## "), start + 1);
    if (end < 0)
        end = productLineMarkdown.size();
    const QString table = productLineMarkdown.mid(start, end - start);

    // Table rows "| SetWord | what it shows |"; the header and rule rows do not match.
    static const QRegularExpression row(QStringLiteral("^\\|\\s*([A-Z][A-Za-z0-9]*)\\s*\\|"),
                                        QRegularExpression::MultilineOption);
    QSet<QString> names;
    QRegularExpressionMatchIterator it = row.globalMatch(table);
    while (it.hasNext()) {
        const QString word = it.next().captured(1);
        names << word << word + QStringLiteral("Thumb") << word + QStringLiteral("ListThumb");
    }
    return names;
}

} // namespace PictureNameScanner
