#pragma once

#include "ProductCard.h"

class ConnectingStatusPage;
class MarlixSettingsPage;
class NeedingFirmwareUpdateStatusPage;
class VisibleMarlix;

// The card of a local device. It goes away with its device.
class MarlixProductCard : public ProductCard
{
    Q_OBJECT

public:
    MarlixProductCard(VisibleMarlix& device, AdminUtilityWindow* window);

    MarlixSettingsPage* settingsPage() const { return m_settingsPage; }

private slots:
    void onConnectionChanged(bool connected);

private:
    VisibleMarlix& m_device;
    MarlixSettingsPage* m_settingsPage = nullptr;
    ConnectingStatusPage* m_connectingPage = nullptr;
    NeedingFirmwareUpdateStatusPage* m_needsUpdatePage = nullptr;
};
