#include "WindowFooter.h"

#include "ColourPalette.h"
#include "CommonGui.h"
#include "DeviceList.h"
#include "DotsWidget.h"
#include "FooterLeftRegion.h"
#include "TightHBoxLayout.h"
#include "ViewSelectionBar.h"

namespace
{
const int kViewBarRightSpacing = 30;
}

WindowFooter::WindowFooter(DeviceList& deviceList, QWidget* parent, bool hasListView)
    : QFrame(parent)
    , m_deviceList(deviceList)
    , m_leftRegion(new FooterLeftRegion(this))
    , m_dots(new DotsWidget(deviceList, this))
{
    fillBackground();
    createLayout(hasListView);
    connectSignals();
    updateDisplay();
}

void WindowFooter::showDots()
{
    m_dots->show();
}

void WindowFooter::hideDots()
{
    m_dots->hide();
}

// With the last device gone the list would be empty, and the switch that
// leads back hidden: the gallery takes over with its no-device message.
void WindowFooter::updateDisplay()
{
    const bool hasDevice = m_deviceList.getCurrentDevice() != nullptr;
    if (!hasDevice && !galleryActive())
        m_viewSelectionBar->selectView(ViewSelectionBar::GalleryView);
    if (galleryActive())
        m_dots->setVisible(hasDevice);
    if (m_viewSelectionBar)
        m_viewSelectionBar->setVisible(hasDevice);
}

QWidget* WindowFooter::menuAnchor() const
{
    return m_leftRegion;
}

void WindowFooter::onDeviceListChanged(VisibleDevice*)
{
    updateDisplay();
}

void WindowFooter::fillBackground()
{
    CommonGui::fillBackground(this, ColourPalette::kThunderstormGray);
}

void WindowFooter::createLayout(bool hasListView)
{
    auto* layout = new TightHBoxLayout(this);
    layout->addWidget(m_leftRegion);
    layout->addStretch();
    layout->addWidget(m_dots);
    layout->addStretch();
    if (hasListView) {
        m_viewSelectionBar = new ViewSelectionBar(this);
        layout->addWidget(m_viewSelectionBar);
        layout->addSpacing(kViewBarRightSpacing);
    } else {
        // Balances the left corner so that the dots stay centred.
        layout->addSpacing(m_leftRegion->width());
    }
}

void WindowFooter::connectSignals()
{
    connect(m_leftRegion, &FooterLeftRegion::menuButtonClicked, this, &WindowFooter::menuButtonClicked);
    connect(m_leftRegion, &FooterLeftRegion::easterEggClicked, this, &WindowFooter::easterEggClicked);
    if (m_viewSelectionBar) {
        connect(m_viewSelectionBar, &ViewSelectionBar::galleryViewSelected, this, &WindowFooter::galleryViewSelected);
        connect(m_viewSelectionBar, &ViewSelectionBar::listViewSelected, this, &WindowFooter::listViewSelected);
    }
    connect(&m_deviceList, &DeviceList::deviceListAdded, this, &WindowFooter::onDeviceListChanged);
    connect(&m_deviceList, &DeviceList::deviceListRemoved, this, &WindowFooter::onDeviceListChanged);
    connect(&m_deviceList, &DeviceList::deviceListSelected, this, &WindowFooter::onDeviceListChanged);
}

bool WindowFooter::galleryActive() const
{
    return !m_viewSelectionBar || m_viewSelectionBar->getActiveView() == ViewSelectionBar::GalleryView;
}
