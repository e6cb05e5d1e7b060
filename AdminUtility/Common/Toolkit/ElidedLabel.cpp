#include "ElidedLabel.h"

#include "CommonGui.h"

#include <QPainter>
#include <QStyle>

ElidedLabel::ElidedLabel(QWidget* parent)
    : ElidedLabel(QString(), parent)
{
}

ElidedLabel::ElidedLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    setWordWrap(false);
}

void ElidedLabel::setElideMode(Qt::TextElideMode mode)
{
    m_elideMode = mode;
    update();
}

QString ElidedLabel::displayedText() const
{
    return CommonGui::elide(text(), font(), contentsRect().width(), m_elideMode);
}

bool ElidedLabel::isElided() const
{
    return displayedText() != text();
}

// Any width will do: the text adapts to it.
QSize ElidedLabel::minimumSizeHint() const
{
    return QSize(0, QLabel::minimumSizeHint().height());
}

void ElidedLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const Qt::Alignment aligned = QStyle::visualAlignment(layoutDirection(), alignment());
    style()->drawItemText(&painter, contentsRect(), int(aligned), palette(), isEnabled(), displayedText(),
                          foregroundRole());
}
