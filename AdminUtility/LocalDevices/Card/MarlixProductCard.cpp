#include "MarlixProductCard.h"

#include "ColourPalette.h"
#include "ConnectingStatusPage.h"
#include "MarlixSettingsPage.h"
#include "NeedingFirmwareUpdateStatusPage.h"
#include "VisibleMarlix.h"

MarlixProductCard::MarlixProductCard(VisibleMarlix& device, AdminUtilityWindow* window)
    : ProductCard(&device, window, ColourPalette::kAccentColour)
    , m_device(device)
    , m_settingsPage(new MarlixSettingsPage(device, this))
    , m_connectingPage(new ConnectingStatusPage(this))
    , m_needsUpdatePage(new NeedingFirmwareUpdateStatusPage(this))
{
    addPage(m_connectingPage);
    addPage(m_needsUpdatePage);
    addPage(m_settingsPage);
    connect(m_connectingPage, &ConnectingStatusPage::connectionCancelled, this, &QWidget::close);
    connect(&device, &VisibleMarlix::connectionChangedSignal, this, &MarlixProductCard::onConnectionChanged);
    connect(m_settingsPage, &SettingsPage::closePage, this, &QWidget::close);
    onConnectionChanged(device.isConnected());
}

void MarlixProductCard::onConnectionChanged(bool connected)
{
    if (connected) {
        showPage(m_settingsPage);
        return;
    }
    hide();
    deleteLater();
}
