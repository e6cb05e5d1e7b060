#include "SettingsPage.h"

#include "CardFooter.h"
#include "CardSeparator.h"
#include "CardTabbedPages.h"
#include "ColourPalette.h"
#include "SettingsTab.h"
#include "TightVBoxLayout.h"

#include <QVBoxLayout>

SettingsPage::SettingsPage(QWidget* parent)
    : StatusPage(parent)
    , m_tabs(new CardTabbedPages(ColourPalette::kAccentColour, this))
    , m_footer(new CardFooter(this))
{
    auto* layout = new TightVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addWidget(new CardSeparator(CardSeparator::kDark, 0, this));
    layout->addWidget(m_footer);

    connect(m_tabs, &CardTabbedPages::settingsStatusChanged, this, &SettingsPage::onTabSettingsStatusChange);
    connect(m_footer, &CardFooter::cancelPressed, this, &SettingsPage::onCancelPressed);
    connect(m_footer, &CardFooter::savePressed, this, &SettingsPage::onSavePressed);
    connect(m_footer, &CardFooter::menuOptionPressed, this, &SettingsPage::menuOptionPressed);
}

void SettingsPage::addTab(SettingsTab* tab, const QString& title)
{
    m_tabs->addTab(tab, title);
}

int SettingsPage::numTabs() const
{
    return m_tabs->numTabs();
}

SettingsTab* SettingsPage::getTab(int index) const
{
    return m_tabs->getTab(index);
}

int SettingsPage::currentTab() const
{
    return m_tabs->currentTab();
}

void SettingsPage::selectTab(int index)
{
    m_tabs->selectTab(index);
}

void SettingsPage::addMenuOption(const QString& text, int id)
{
    m_footer->addSettingsOption(text, id);
}

void SettingsPage::clearMenu()
{
    m_footer->clearSettingsMenu();
}

void SettingsPage::setSettingsButtonVisible(bool visible)
{
    m_footer->setSettingsButtonVisible(visible);
}

void SettingsPage::setIsImmediateApply(bool immediate)
{
    m_footer->setIsImmediateApply(immediate);
}

void SettingsPage::setDeviceHasNoSettings()
{
    m_footer->setDeviceHasNoSettings();
}

void SettingsPage::enableSaveButton(bool enabled)
{
    m_footer->setSettingsStatus(enabled ? Changed : Invalid);
}

void SettingsPage::onTabSettingsStatusChange()
{
    m_footer->setSettingsStatus(m_tabs->settingsStatus());
}

// The footer takes the focus first, so that a field still being edited
// finishes its edit (and is applied) before everything is applied.
void SettingsPage::onSavePressed()
{
    m_footer->setFocus(Qt::OtherFocusReason);
    applyChanges();
    emit closePage();
}

void SettingsPage::onCancelPressed()
{
    recallRemotePreset();
    emit closePage();
}

void SettingsPage::applyChanges()
{
}

void SettingsPage::recallRemotePreset()
{
}

void SettingsPage::refreshPage()
{
}
