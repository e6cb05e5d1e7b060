#include "ProductCardBase.h"

#include "AdminUtilityWindow.h"
#include "ColourPalette.h"

#include <QEvent>
#include <QPainter>

ProductCardBase::ProductCardBase(AdminUtilityWindow* window)
    : QFrame(window->window())
    , m_body(new QFrame(this))
    , m_window(window)
{
    setAttribute(Qt::WA_DeleteOnClose);
    m_body->setObjectName(QStringLiteral("productCardBody"));
    m_body->setStyleSheet(QStringLiteral("#productCardBody { background: white; border-radius: 10px; }"));
    window->installEventFilter(this);
    resizeToMainWindow();
}

AdminUtilityWindow* ProductCardBase::mainWindow() const
{
    return qobject_cast<AdminUtilityWindow*>(m_window.data());
}

void ProductCardBase::resizeToMainWindow()
{
    if (!m_window)
        return;
    const QSize size = m_window->size();
    setGeometry(0, 0, size.width(), size.height());
    m_body->setGeometry((size.width() - kBodyWidth) / 2, kBodyMargin, kBodyWidth, size.height() - 2 * kBodyMargin);
}

bool ProductCardBase::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window && event->type() == QEvent::Resize)
        resizeToMainWindow();
    return QFrame::eventFilter(watched, event);
}

// The window shows through, darkened and tinted with the accent colour.
void ProductCardBase::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0, 0, 0, 170));
    QColor tint = ColourPalette::kAccentColour;
    tint.setAlpha(40);
    painter.fillRect(rect(), tint);
}
