#include "MarlixSettingsPage.h"

#include "AboutSettings.h"
#include "ConversionsSettings.h"
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
    checkAddTab(new ConversionsSettings(m_device), tr("Conversions"));
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

void MarlixSettingsPage::onSavePressed()
{
    SettingsPage::onSavePressed();
    m_device.writeToPreferences();
}

void MarlixSettingsPage::onCancelPressed()
{
    m_device.readFromPreferences();
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
