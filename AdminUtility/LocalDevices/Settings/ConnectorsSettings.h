#pragma once

#include "MarlixSettingsTab.h"

class SettingsComboBox;

// The "Connectors" tab: how the SDI connectors of a pair of sub-devices are
// shared, both on one sub-device (full duplex) or one each (half duplex).
class ConnectorsSettings : public MarlixSettingsTab
{
    Q_OBJECT

public:
    ConnectorsSettings(VisibleMarlix& device, QWidget* parent = nullptr);

    SettingsComboBox* connectorCombo() const { return m_connector; }
    // The sub-device whose duplex mode the tab reads and writes; null for none.
    // Found again at each use: the partner may have been plugged in anew.
    VisibleMarlix* duplexTarget() const;
    QList<VisibleMarlix*> otherDevicesChanged() const override;

public slots:
    void onPropertyChanged() override;

protected:
    void onApplyChanges() override;

private:
    void fillConnectors();

    SettingsComboBox* m_connector = nullptr;
    int64_t m_paired = 0;
    bool m_targetWritten = false;
};
