#include "ContactSheet.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

const QColor kSheetBackground(31, 31, 31);  // the window's dark page colour
const QColor kTitleColour(241, 241, 241);
const int kMargin = 32;
const int kPanelPadding = 20;
const int kCellGapX = 28;
const int kCellGapY = 22;
const int kLabelGap = 6;

QFont sheetFont(int pixelSize, int weight)
{
    QFont font(QStringLiteral("Open Sans"));
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

} // namespace

ContactSheet::ContactSheet(int width)
    : m_width(width)
    , m_titleFont(sheetFont(15, QFont::DemiBold))
    , m_labelFont(sheetFont(11, QFont::Normal))
{
    m_height = kMargin;
}

void ContactSheet::addSection(const QString& title, const QColor& backdrop,
                              const QVector<Picture>& pictures)
{
    Section section{title, backdrop, pictures, {}, {}, {}};
    layOut(section, m_height);
    m_height = section.panelRect.bottom() + 1 + kMargin;
    m_sections.append(section);
}

// Pictures flow left to right and wrap; each row is as high as its tallest cell.
void ContactSheet::layOut(Section& section, int top) const
{
    const QFontMetrics titleMetrics(m_titleFont);
    const QFontMetrics labelMetrics(m_labelFont);
    section.titleRect = QRect(kMargin, top, m_width - 2 * kMargin, titleMetrics.height());

    const int panelTop = section.titleRect.bottom() + 1 + 10;
    const int left = kMargin + kPanelPadding;
    const int right = m_width - kMargin - kPanelPadding;
    int x = left;
    int y = panelTop + kPanelPadding;
    int rowHeight = 0;
    for (int i = 0; i < section.pictures.size(); ++i) {
        const Picture& picture = section.pictures[i];
        const QString label = QStringLiteral(":/") + picture.name;
        const QSize imageSize = picture.image.size();
        const int labelWidth = labelMetrics.horizontalAdvance(label);
        const int cellWidth = std::max(imageSize.width(), labelWidth);
        const int cellHeight = imageSize.height() + kLabelGap + labelMetrics.height();
        if (x > left && x + cellWidth > right) {
            x = left;
            y += rowHeight + kCellGapY;
            rowHeight = 0;
        }
        Cell cell{i, {}, {}};
        cell.imageRect = QRect(QPoint(x + (cellWidth - imageSize.width()) / 2, y), imageSize);
        cell.labelRect = QRect(x, cell.imageRect.bottom() + 1 + kLabelGap, cellWidth,
                               labelMetrics.height());
        section.cells.append(cell);
        x += cellWidth + kCellGapX;
        rowHeight = std::max(rowHeight, cellHeight);
    }
    const int bottom = y + rowHeight + kPanelPadding;
    section.panelRect = QRect(kMargin, panelTop, m_width - 2 * kMargin, bottom - panelTop);
}

QImage ContactSheet::render() const
{
    QImage sheet(m_width, m_height, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(kSheetBackground);
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const Section& section : m_sections)
        paintSection(painter, section);
    painter.end();
    return sheet;
}

void ContactSheet::paintSection(QPainter& painter, const Section& section) const
{
    painter.setFont(m_titleFont);
    painter.setPen(kTitleColour);
    painter.drawText(section.titleRect, Qt::AlignLeft | Qt::AlignVCenter, section.title);

    painter.setPen(Qt::NoPen);
    painter.setBrush(section.backdrop);
    painter.drawRoundedRect(section.panelRect, 10, 10);

    painter.setFont(m_labelFont);
    painter.setPen(labelColour(section.backdrop));
    for (const Cell& cell : section.cells) {
        // Pictures are drawn 1:1 so that blur or clipping shows as it would on screen.
        const Picture& picture = section.pictures[cell.picture];
        painter.drawImage(cell.imageRect.topLeft(), picture.image);
        painter.drawText(cell.labelRect, Qt::AlignHCenter | Qt::AlignTop,
                         QStringLiteral(":/") + picture.name);
    }
}

QColor ContactSheet::labelColour(const QColor& backdrop) const
{
    return backdrop.lightness() > 128 ? QColor(94, 94, 94) : QColor(146, 146, 146);
}
