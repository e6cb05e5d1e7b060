#include "CardTabbedPages.h"

#include "SettingsPage.h"
#include "SettingsTab.h"
#include "TabButton.h"

CardTabbedPages::CardTabbedPages(const QColor&, QWidget* parent)
    : TabbedWidgets(Qt::white, parent)
{
}

void CardTabbedPages::addTab(SettingsTab* tab, const QString& title)
{
    connect(tab, &SettingsTab::settingsStatusChanged, this, &CardTabbedPages::onPageStatusChange);
    TabbedWidgets::addTab(tab, title);
    onPageStatusChange();
}

SettingsTab* CardTabbedPages::getTab(int index) const
{
    return qobject_cast<SettingsTab*>(tabPage(index));
}

void CardTabbedPages::setTabAlertVisible(int index, bool visible)
{
    if (TabButton* button = tabButton(index))
        button->setAlertVisible(visible);
}

void CardTabbedPages::onPageStatusChange()
{
    int status = SettingsPage::Unchanged;
    for (int index = 0; index < numTabs(); ++index) {
        const SettingsTab* tab = getTab(index);
        if (!tab)
            continue;
        status = qMax(status, tab->settingsStatus());
        if (tab->settingsStatus() != SettingsPage::Invalid)
            setTabAlertVisible(index, false);
    }
    if (status == m_settingsStatus)
        return;
    m_settingsStatus = status;
    emit settingsStatusChanged();
}

// Leaving a tab with unacceptable text marks its tab button, so that the
// reason "Save" is disabled stays in sight.
void CardTabbedPages::onButtonClicked(int index)
{
    const int leaving = currentTab();
    SettingsTab* left = getTab(leaving);
    if (left && left->settingsStatus() == SettingsPage::Invalid && index != leaving)
        setTabAlertVisible(leaving, true);
    if (index == leaving || !left) {
        TabbedWidgets::onButtonClicked(index);
        if (!left && getTab(index))
            getTab(index)->onTabSelected();
        return;
    }
    left->onTabDeselected();
    TabbedWidgets::onButtonClicked(index);
    if (SettingsTab* entered = getTab(index))
        entered->onTabSelected();
}
