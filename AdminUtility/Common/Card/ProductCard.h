#pragma once

#include "ProductCardBase.h"

#include <QColor>

class CardHeader;
class QStackedWidget;
class StatusPage;
class VisibleDevice;

// A card with the device's header above a stack of pages.
class ProductCard : public ProductCardBase
{
    Q_OBJECT

public:
    ProductCard(VisibleDevice* device, AdminUtilityWindow* window, const QColor& accent);

    void addPage(StatusPage* page);
    void showPage(StatusPage* page);
    StatusPage* currentPage() const;
    void refreshHeader(VisibleDevice* device);
    CardHeader* header() const { return m_header; }

public slots:
    virtual void onShowProductEasterEgg();

private:
    CardHeader* m_header = nullptr;
    QStackedWidget* m_pages = nullptr;
};
