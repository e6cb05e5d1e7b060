#pragma once

#include "MarlixSettingsTab.h"

class QButtonGroup;
class SettingsRadioButton;

// The "Serial Port" tab: which remote port carries deck control over RS-422.
class DeckControlConnectionsSettings : public MarlixSettingsTab
{
    Q_OBJECT

public:
    enum
    {
        kRemote1 = 1,
        kRemote2 = 2,
    };

    DeckControlConnectionsSettings(VisibleMarlix& device, QWidget* parent = nullptr);

    QButtonGroup* portButtons() const { return m_ports; }

public slots:
    void onPropertyChanged() override;

protected:
    void onApplyChanges() override;

private:
    QButtonGroup* m_ports = nullptr;
    SettingsRadioButton* m_remote1 = nullptr;
    SettingsRadioButton* m_remote2 = nullptr;
};
