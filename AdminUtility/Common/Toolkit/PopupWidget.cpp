#include "PopupWidget.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

QList<PopupWidget*> PopupWidget::s_allPopups;

PopupWidget::PopupWidget(QWidget* parent)
    : QFrame(parent, Qt::Popup | Qt::FramelessWindowHint)
{
    s_allPopups.append(this);
}

PopupWidget::~PopupWidget()
{
    s_allPopups.removeOne(this);
}

void PopupWidget::showAt(const QPoint& point)
{
    positionAt(point);
    show();
}

void PopupWidget::positionAt(const QPoint& point)
{
    move(point - QPoint(kOffset, kOffset));
}

void PopupWidget::hideAll()
{
    // Iterates a copy: a panel may delete itself, or another, when it is hidden.
    const QList<PopupWidget*> popups = s_allPopups;
    for (PopupWidget* popup : popups)
    {
        if (s_allPopups.contains(popup))
            popup->hide();
    }
}

void PopupWidget::showEvent(QShowEvent* event)
{
    QFrame::showEvent(event);
    keepOnScreen();
}

void PopupWidget::keepOnScreen()
{
    const QRect frame = frameGeometry();
    const QScreen* screen = QGuiApplication::screenAt(frame.center());
    if (!screen)
        screen = QGuiApplication::screenAt(frame.topLeft());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    // Right and bottom first, so that a panel larger than the screen shows its top-left part.
    const int x = std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width()));
    const int y = std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height()));
    if (x != frame.left() || y != frame.top())
        move(x, y);
}
