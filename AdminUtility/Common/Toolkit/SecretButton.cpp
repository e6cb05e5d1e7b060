#include "SecretButton.h"

#include <QMouseEvent>

SecretButton::SecretButton(QWidget* parent)
    : QWidget(parent)
{
    // Draws nothing and lets whatever lies below show through.
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_TranslucentBackground);
}

void SecretButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->modifiers() & Qt::ShiftModifier)
        emit secretClick();
    QWidget::mouseDoubleClickEvent(event);
}
