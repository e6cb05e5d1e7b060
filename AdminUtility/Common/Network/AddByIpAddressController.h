#pragma once

#include <QObject>
#include <QPointer>

class AddByIpAddressWidget;
class BonjourInfo;
class BonjourInfoQuery;

// Runs the add-by-address page: one query at a time for the typed address,
// and the device it finds handed on as if it had been discovered.
class AddByIpAddressController : public QObject
{
    Q_OBJECT

public:
    explicit AddByIpAddressController(QObject* mainWindow);

    void setWidget(AddByIpAddressWidget* widget);
    BonjourInfoQuery* currentQuery() const { return m_query; }

signals:
    void deviceAddedByIP(const BonjourInfo& info);

public slots:
    void onAdd();
    void cleanUp();
    void onBonjourInfoQueryReceived(bool ok);

private:
    QObject* m_mainWindow;
    QPointer<AddByIpAddressWidget> m_widget;
    BonjourInfoQuery* m_query = nullptr;
};
