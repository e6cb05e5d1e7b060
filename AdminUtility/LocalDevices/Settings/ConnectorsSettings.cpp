#include "ConnectorsSettings.h"

#include "FourCC.h"
#include "SettingsComboBox.h"
#include "VisibleMarlix.h"

namespace {

const int kFullDuplex = int(fourCC("fdup"));
const int kHalfDuplex = int(fourCC("hdup"));

} // namespace

ConnectorsSettings::ConnectorsSettings(VisibleMarlix& device, QWidget* parent)
    : MarlixSettingsTab(device, parent)
{
    const int64_t paired = device.getPairedDevicePersistentId();
    if (paired != 0) {
        // Of a pair, one sub-device owns the setting for both.
        m_target = device.supportsDuplexModeConfiguration() ? &device : device.getSubDeviceByPersistentId(paired);
        addSection(tr("Connector Mapping"));
        m_connector = addComboBoxRow(tr("Connector:"), 240);
        fillConnectors();
    }
    endSettingsTab();
    onPropertyChanged();
    watchModifications(true);
}

// Connectors are counted from 1 on the card.
void ConnectorsSettings::fillConnectors()
{
    if (!m_target)
        return;
    int64_t first = 0;
    int64_t second = 0;
    m_target->getConnectorIds(first, second);
    ++first;
    ++second;
    if (m_target == &device()) {
        m_connector->addItem(tr("SDI %1 & SDI %2").arg(first).arg(second), kFullDuplex);
        m_connector->addItem(tr("SDI %1").arg(first), kHalfDuplex);
    } else {
        // The partner takes both connectors in full duplex and leaves this one none.
        m_connector->addItem(tr("SDI %1").arg(second), kHalfDuplex);
        m_connector->addItem(tr("None"), kFullDuplex);
    }
}

void ConnectorsSettings::onPropertyChanged()
{
    if (!m_target)
        return;
    const int index = m_connector->findData(int(m_target->getDuplexMode()));
    if (index >= 0)
        m_connector->setCurrentIndex(index);
}

void ConnectorsSettings::onApplyChanges()
{
    if (!m_target || !hasChanged(*m_connector) || m_connector->currentIndex() < 0)
        return;
    bool isInt = false;
    const int mode = m_connector->currentData().toInt(&isInt);
    m_target->setDuplexMode(uint32_t(isInt ? mode : 0));
    m_targetWritten = true;
}

QList<VisibleMarlix*> ConnectorsSettings::otherDevicesChanged() const
{
    if (m_targetWritten && m_target != &device())
        return {m_target};
    return {};
}
