#include "AddByIpAddressController.h"

#include "AddByIpAddressWidget.h"
#include "BonjourInfoQuery.h"

#include <QHostAddress>

AddByIpAddressController::AddByIpAddressController(QObject* mainWindow)
    : QObject(mainWindow)
    , m_mainWindow(mainWindow)
{
}

void AddByIpAddressController::setWidget(AddByIpAddressWidget* widget)
{
    m_widget = widget;
    connect(widget, &AddByIpAddressWidget::addDevice, this, &AddByIpAddressController::onAdd);
    connect(widget, &AddByIpAddressWidget::closePressed, this, &AddByIpAddressController::cleanUp);
    widget->setState(AddByIpAddressWidget::Entry);
}

void AddByIpAddressController::onAdd()
{
    if (!m_widget)
        return;
    m_widget->setState(AddByIpAddressWidget::Searching);
    cleanUp();
    m_query = new BonjourInfoQuery(this);
    connect(m_query, &BonjourInfoQuery::bonjourInfoQueryReceived, this,
            &AddByIpAddressController::onBonjourInfoQueryReceived);
    m_query->sendInfoQuery(QHostAddress(m_widget->address()));
}

// Deferred: this may run inside the query's own signal.
void AddByIpAddressController::cleanUp()
{
    if (m_query)
        m_query->deleteLater();
    m_query = nullptr;
}

// A query released by a later Add may still report before it goes: only the
// current one counts.
void AddByIpAddressController::onBonjourInfoQueryReceived(bool ok)
{
    if (!m_widget || !m_query || sender() != m_query)
        return;
    if (!ok) {
        m_widget->setState(AddByIpAddressWidget::NotFound);
        return;
    }
    emit deviceAddedByIP(m_query->info());
    m_widget->setState(AddByIpAddressWidget::Added);
}
