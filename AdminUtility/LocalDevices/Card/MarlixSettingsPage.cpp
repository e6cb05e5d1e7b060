#include "MarlixSettingsPage.h"

#include "AboutSettings.h"
#include "AudioSettings.h"
#include "ConnectorsSettings.h"
#include "ConversionsSettings.h"
#include "DeckControlConnectionsSettings.h"
#include "VideoInputSettings.h"
#include "VideoOutputSettings.h"
#include "VisibleMarlix.h"

MarlixSettingsPage::MarlixSettingsPage(VisibleMarlix& device, QWidget* parent)
    : SettingsPage(parent)
    , m_device(device)
{
    setSettingsButtonVisible(false);
    setIsImmediateApply(true);
    connect(&device, &VisibleMarlix::connectionChangedSignal, this, &MarlixSettingsPage::onConnectionChanged);
    connect(this, &SettingsPage::menuOptionPressed, this, &MarlixSettingsPage::onMenuOptionPressed);
    if (device.isConnected())
        buildPages();
}

// A card is closed whenever its device goes, so a page builds its tabs once;
// a repeated "connected" leaves the tabs it has.
void MarlixSettingsPage::buildPages()
{
    if (!m_tabs.isEmpty())
        return;
    if (m_device.supportsPlayback())
        checkAddTab(new VideoOutputSettings(m_device), tr("Video Output"));
    if (m_device.supportsCapture())
        checkAddTab(new VideoInputSettings(m_device), tr("Video Input"));
    if (m_device.supportsAudioLevelAdjustment())
        checkAddTab(new AudioSettings(m_device), tr("Audio"));
    checkAddTab(new ConversionsSettings(m_device), tr("Conversions"));
    if (m_device.getPairedDevicePersistentId() != 0)
        checkAddTab(new ConnectorsSettings(m_device), tr("Connectors"));
    // Deck control needs both remote ports to offer a choice.
    if ((m_device.getDeckControlConnections() & 3) == 3)
        checkAddTab(new DeckControlConnectionsSettings(m_device), tr("Serial Port"));
    checkAddTab(new AboutSettings(m_device), tr("About"));
}

void MarlixSettingsPage::checkAddTab(MarlixSettingsTab* tab, const QString& title)
{
    if (tab->isEmpty()) {
        delete tab;
        return;
    }
    addTab(tab, title);
    m_tabs.append(tab);
}

void MarlixSettingsPage::applyChanges()
{
    for (MarlixSettingsTab* tab : qAsConst(m_tabs))
        tab->applyChanges();
}

// The partner of a pair keeps its settings in its own store: a tab that
// changed it has it saved or reverted along with this device.
QList<VisibleMarlix*> MarlixSettingsPage::otherDevicesChanged() const
{
    QList<VisibleMarlix*> devices;
    for (const MarlixSettingsTab* tab : m_tabs) {
        for (VisibleMarlix* device : tab->otherDevicesChanged()) {
            if (!devices.contains(device))
                devices.append(device);
        }
    }
    return devices;
}

void MarlixSettingsPage::onSavePressed()
{
    SettingsPage::onSavePressed();
    m_device.writeToPreferences();
    for (VisibleMarlix* device : otherDevicesChanged())
        device->writeToPreferences();
}

void MarlixSettingsPage::onCancelPressed()
{
    m_device.readFromPreferences();
    for (VisibleMarlix* device : otherDevicesChanged())
        device->readFromPreferences();
    SettingsPage::onCancelPressed();
}

void MarlixSettingsPage::onConnectionChanged()
{
    if (m_device.isConnected())
        buildPages();
}

void MarlixSettingsPage::onMenuOptionPressed(int)
{
}
