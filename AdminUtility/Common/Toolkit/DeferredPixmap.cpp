#include "DeferredPixmap.h"

#include "CommonGui.h"

void DeferredPixmap::set(const QPixmap& pixmap)
{
    m_pixmap = pixmap;
    m_resourceName.clear();
}

void DeferredPixmap::set(const QString& resourceName)
{
    m_pixmap = QPixmap();
    m_resourceName = resourceName;
}

const QPixmap& DeferredPixmap::pixmap() const
{
    if (!m_resourceName.isEmpty())
    {
        m_pixmap = CommonGui::pixmap(m_resourceName);
        m_resourceName.clear();
    }
    return m_pixmap;
}
