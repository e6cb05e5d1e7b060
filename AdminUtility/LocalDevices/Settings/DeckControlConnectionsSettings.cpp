#include "DeckControlConnectionsSettings.h"

#include "SettingsRadioButton.h"
#include "VisibleMarlix.h"

#include <QButtonGroup>

DeckControlConnectionsSettings::DeckControlConnectionsSettings(VisibleMarlix& device, QWidget* parent)
    : MarlixSettingsTab(device, parent)
{
    addSection(tr("RS422"));
    m_ports = beginRadioGroup(tr("Port selection:"));
    m_remote1 = addRadioButtonRow(tr("Remote 1"), kRemote1);
    m_remote2 = addRadioButtonRow(tr("Remote 2"), kRemote2);
    endRadioGroup();
    endSettingsTab();
    onPropertyChanged();
    watchModifications(true);
}

// Any value but the first port shows the second.
void DeckControlConnectionsSettings::onPropertyChanged()
{
    (device().getDeckControlConnection() == kRemote1 ? m_remote1 : m_remote2)->setChecked(true);
}

void DeckControlConnectionsSettings::onApplyChanges()
{
    if (hasChanged(*m_ports))
        device().setDeckControlConnection(uint32_t(m_ports->checkedId()));
}
