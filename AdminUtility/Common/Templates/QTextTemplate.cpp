#include "QTextTemplate.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

QTextTemplate::QTextTemplate(bool clearOnRender)
    : m_clearOnRender(clearOnRender)
{
}

QTextTemplate::~QTextTemplate() = default;

bool QTextTemplate::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QTextStream stream(&file);
    stream.setCodec("UTF-8");
    m_templateText = stream.readAll();
    return true;
}

void QTextTemplate::setValue(const QString& key, const QString& value, bool escape)
{
    m_values[key] = escape ? escaped(value) : value;
}

QString QTextTemplate::escaped(const QString& text)
{
    constexpr ushort kControlPictures = 0x2400;  // U+2400..U+241F picture C0 controls
    constexpr ushort kDeletePicture = 0x2421;
    QString result = text.toHtmlEscaped();
    result.replace(QLatin1Char('$'), QLatin1String("&#36;"));
    for (QChar& c : result) {
        const ushort code = c.unicode();
        if (code < 0x20)
            c = QChar(ushort(kControlPictures + code));
        else if (code == 0x7F)
            c = QChar(kDeletePicture);
        else if (code >= 0x80 && code < 0xA0)
            c = QChar::ReplacementCharacter;
    }
    return result;
}

QString QTextTemplate::render()
{
    static const QRegularExpression placeholder(QStringLiteral("\\$\\{(.*?)\\}"));

    // Matches are taken from the template alone; each replacement acts on the
    // whole result, so a value that holds a later placeholder is filled as well.
    QString result = m_templateText;
    QRegularExpressionMatchIterator matches = placeholder.globalMatch(m_templateText);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        const QString& value = m_values[match.captured(1)];
        result.replace(match.captured(0), value, Qt::CaseSensitive);
    }
    if (m_clearOnRender)
        m_values.clear();
    return result;
}
