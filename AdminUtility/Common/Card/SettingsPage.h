#pragma once

#include "StatusPage.h"

class CardFooter;
class CardTabbedPages;
class SettingsTab;

// The page of a card that holds the settings tabs above "Cancel" and "Save".
class SettingsPage : public StatusPage
{
    Q_OBJECT

public:
    // Combined over tabs by taking the largest; only Invalid disables "Save".
    enum SettingsStatus
    {
        Unchanged = 0,
        Changed = 1,
        Invalid = 2,
    };

    explicit SettingsPage(QWidget* parent = nullptr);

    virtual void addTab(SettingsTab* tab, const QString& title);
    int numTabs() const;
    SettingsTab* getTab(int index) const;
    int currentTab() const;
    void selectTab(int index);

    void addMenuOption(const QString& text, int id);
    void clearMenu();
    void setSettingsButtonVisible(bool visible);
    void setIsImmediateApply(bool immediate);
    void setDeviceHasNoSettings();
    void enableSaveButton(bool enabled);

    CardTabbedPages* tabbedPages() const { return m_tabs; }
    CardFooter* footer() const { return m_footer; }

signals:
    void closePage();
    void menuOptionPressed(int id);

public slots:
    virtual void onTabSettingsStatusChange();
    virtual void onCancelPressed();
    virtual void onSavePressed();

protected:
    virtual void applyChanges();
    virtual void recallRemotePreset();
    virtual void refreshPage();

private:
    CardTabbedPages* m_tabs = nullptr;
    CardFooter* m_footer = nullptr;
};
