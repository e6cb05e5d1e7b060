#include "ConnectorsSettings.h"

#include "MarlixCodes.h"
#include "SettingsComboBox.h"
#include "VisibleMarlix.h"

namespace {

const int kFullDuplex = int(MarlixValue::kDuplexFull);
const int kHalfDuplex = int(MarlixValue::kDuplexHalf);

} // namespace

ConnectorsSettings::ConnectorsSettings(VisibleMarlix& device, QWidget* parent)
    : MarlixSettingsTab(device, parent)
{
    m_paired = device.getPairedDevicePersistentId();
    if (m_paired != 0) {
        addSection(tr("Connector Mapping"));
        m_connector = addComboBoxRow(tr("Connector:"), 240);
        fillConnectors();
    }
    endSettingsTab();
    onPropertyChanged();
    watchModifications(true);
}

// Of a pair, one sub-device owns the setting for both.
VisibleMarlix* ConnectorsSettings::duplexTarget() const
{
    if (m_paired == 0)
        return nullptr;
    VisibleMarlix& own = device();
    return own.supportsDuplexModeConfiguration() ? &own : own.getSubDeviceByPersistentId(m_paired);
}

// Connectors are counted from 1 on the card.
void ConnectorsSettings::fillConnectors()
{
    VisibleMarlix* target = duplexTarget();
    if (!target)
        return;
    int64_t first = 0;
    int64_t second = 0;
    target->getConnectorIds(first, second);
    ++first;
    ++second;
    if (target == &device()) {
        m_connector->addItem(tr("SDI %1 & SDI %2").arg(first).arg(second), kFullDuplex);
        m_connector->addItem(tr("SDI %1").arg(first), kHalfDuplex);
    } else {
        // The partner takes both connectors in full duplex and leaves this one none.
        m_connector->addItem(tr("SDI %1").arg(second), kHalfDuplex);
        m_connector->addItem(tr("None"), kFullDuplex);
    }
}

// Without the sub-device that owns the setting (unplugged) the choice can be
// neither read nor written: shown as last known, not offered.
void ConnectorsSettings::onPropertyChanged()
{
    if (!m_connector)
        return;
    VisibleMarlix* target = duplexTarget();
    m_connector->setEnabled(target != nullptr);
    if (!target)
        return;
    if (m_connector->count() == 0)
        fillConnectors();
    const int index = m_connector->findData(int(target->getDuplexMode()));
    if (index >= 0)
        m_connector->setCurrentIndex(index);
}

void ConnectorsSettings::onApplyChanges()
{
    VisibleMarlix* target = duplexTarget();
    if (!target || !hasChanged(*m_connector) || m_connector->currentIndex() < 0)
        return;
    bool isInt = false;
    const int mode = m_connector->currentData().toInt(&isInt);
    target->setDuplexMode(uint32_t(isInt ? mode : 0));
    m_targetWritten = true;
}

QList<VisibleMarlix*> ConnectorsSettings::otherDevicesChanged() const
{
    VisibleMarlix* target = m_targetWritten ? duplexTarget() : nullptr;
    if (target && target != &device())
        return {target};
    return {};
}
