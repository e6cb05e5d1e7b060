#include "DeviceText.h"

#include <QFontMetrics>
#include <QLabel>

namespace DeviceText {

QString oneLine(const QString& text)
{
    QString line;
    line.reserve(text.size());
    bool space = false;
    for (const QChar c : text) {
        const bool breaking = c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line
            || c.category() == QChar::Separator_Paragraph;
        if (breaking) {
            if (!space)
                line.append(QLatin1Char(' '));
            space = true;
            continue;
        }
        line.append(c);
        space = c == QLatin1Char(' ');
    }
    return line;
}

QString elided(const QString& text, const QFont& font, int width)
{
    return QFontMetrics(font).elidedText(oneLine(text), Qt::ElideRight, width);
}

void makePlain(QLabel* label)
{
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(false);
    label->setOpenExternalLinks(false);
    label->setTextInteractionFlags(Qt::NoTextInteraction);
}

} // namespace DeviceText
