#pragma once

#include "VisibleDevicesListViewWidget.h"

#include <QHash>
#include <QSet>
#include <QTimer>

class MarlixVisibleDevicesListViewWidget_ScrollArea;
class QTableWidget;
class QTableWidgetItem;
class VisibleMarlix;

// The list view of local devices: one table row per device with its picture,
// label, input, output format and genlock state, kept current as the device
// reports changes. Rows stay in the order in which devices were added.
class MarlixVisibleDevicesListViewWidget : public VisibleDevicesListViewWidget
{
    Q_OBJECT

public:
    enum Column
    {
        ProductColumn = 0,
        LabelColumn,
        VideoInColumn,
        OutputFormatColumn,
        GenlockColumn,
        KeyColumn,
        ColumnCount
    };

    MarlixVisibleDevicesListViewWidget(DeviceList& deviceList, QWidget* parent);

    int getDeviceRow(VisibleDevice* device) const;
    VisibleDevice* getRowDevice(int row) const;

    // Both build the list if it has not been shown yet.
    QTableWidget* table();
    MarlixVisibleDevicesListViewWidget_ScrollArea* scrollArea();
    Q_INVOKABLE void ensureBuilt();

public slots:
    void onDeviceAdded(VisibleDevice* device) override;
    void onDeviceRemoved(VisibleDevice* device) override;
    void onDeviceInfoChanged(VisibleDevice* device) override;
    virtual void onDeviceLauncherClicked();
    virtual void onDeviceStatusChanged();
    virtual void onListViewCellClicked(int row, int column);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void setBackground();
    void createTable();
    void createHeader();
    void createScrollArea();
    void createLayout();

    void addSetupButton(int row, VisibleDevice* device);
    bool updateDeviceDisplay(VisibleDevice* device);
    bool updatePicture(int row, VisibleMarlix* device);
    bool updateText(int row, int column, const QString& text);
    void refreshPendingDevices();
    void resizeTable();

    MarlixVisibleDevicesListViewWidget_ScrollArea* m_scrollArea = nullptr;
    QTableWidget* m_table = nullptr;
    QHash<VisibleDevice*, QTableWidgetItem*> m_rowKeys;
    // A burst of status notifications costs one refresh per device and event-loop turn.
    // Single-shot timers of interval 0: started any number of times in one turn, they fire once.
    QSet<VisibleDevice*> m_pendingDevices;
    QTimer m_refreshTimer;
    QTimer m_resizeTimer;
};
