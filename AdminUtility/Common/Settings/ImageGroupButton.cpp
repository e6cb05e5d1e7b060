#include "ImageGroupButton.h"

#include "ColourPalette.h"
#include "CommonGui.h"

#include <QPainter>

namespace {
constexpr int kFrame = 3;
constexpr int kCaptionGap = 4;
}

ImageGroupButton::ImageGroupButton(const QPixmap& picture, const QString& caption, QWidget* parent)
    : QAbstractButton(parent)
    , m_picture(picture)
    , m_caption(caption)
{
    setCheckable(true);
    setFont(CommonGui::font(CommonGui::kFontSmall));
    setToolTip(caption);
    setFixedSize(sizeHint());
}

QSize ImageGroupButton::pictureSize() const
{
    return m_picture.isNull() ? QSize(48, 48) : m_picture.size() / m_picture.devicePixelRatio();
}

QSize ImageGroupButton::sizeHint() const
{
    const QSize picture = pictureSize() + QSize(2 * kFrame, 2 * kFrame);
    if (m_caption.isEmpty())
        return picture;
    const QFontMetrics metrics(font());
    const int width = qMax(picture.width(), metrics.horizontalAdvance(m_caption));
    return QSize(width, picture.height() + kCaptionGap + metrics.height());
}

void ImageGroupButton::setPicture(const QPixmap& picture)
{
    m_picture = picture;
    setFixedSize(sizeHint());
    update();
}

void ImageGroupButton::setDrawnSelected(bool selected)
{
    m_drawnSelected = selected;
    update();
}

void ImageGroupButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QSize picture = pictureSize();
    const QRect frame((width() - picture.width()) / 2 - kFrame, 0, picture.width() + 2 * kFrame,
                      picture.height() + 2 * kFrame);
    const bool selected = isChecked() && m_drawnSelected;
    if (selected) {
        painter.setPen(QPen(ColourPalette::kAccentColour, 2));
        painter.drawRoundedRect(frame.adjusted(1, 1, -1, -1), 4, 4);
    }
    painter.setOpacity(!isEnabled() ? 0.3 : selected || underMouse() ? 1.0 : 0.6);
    painter.drawPixmap(QRect(frame.topLeft() + QPoint(kFrame, kFrame), picture), m_picture);
    if (m_caption.isEmpty())
        return;
    painter.setOpacity(isEnabled() ? 1.0 : 0.4);
    painter.setPen(selected ? ColourPalette::kAccentColour : ColourPalette::kFoggyGray);
    const QRect caption(0, frame.bottom() + kCaptionGap, width(), height() - frame.bottom() - kCaptionGap);
    painter.drawText(caption, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, m_caption);
}
