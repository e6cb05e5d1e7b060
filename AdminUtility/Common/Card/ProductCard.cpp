#include "ProductCard.h"

#include "CardHeader.h"
#include "StatusPage.h"
#include "TightVBoxLayout.h"

#include <QMessageBox>
#include <QStackedWidget>
#include <QVBoxLayout>

ProductCard::ProductCard(VisibleDevice* device, AdminUtilityWindow* window, const QColor& accent)
    : ProductCardBase(window)
    , m_header(new CardHeader(device, accent, body()))
    , m_pages(new QStackedWidget(body()))
{
    m_pages->setObjectName(QStringLiteral("productCardBottom"));
    auto* layout = new TightVBoxLayout(body());
    layout->addWidget(m_header);
    layout->addWidget(m_pages, 1);
    connect(m_header, &CardHeader::showEasterEgg, this, &ProductCard::onShowProductEasterEgg);
}

void ProductCard::addPage(StatusPage* page)
{
    m_pages->addWidget(page);
}

void ProductCard::showPage(StatusPage* page)
{
    m_pages->setCurrentWidget(page);
}

StatusPage* ProductCard::currentPage() const
{
    return static_cast<StatusPage*>(m_pages->currentWidget());
}

void ProductCard::refreshHeader(VisibleDevice* device)
{
    m_header->display(device);
}

void ProductCard::onShowProductEasterEgg()
{
    QMessageBox::information(this, QString(), tr("No device specific details"));
}
