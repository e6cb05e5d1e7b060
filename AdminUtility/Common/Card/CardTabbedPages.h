#pragma once

#include "TabbedWidgets.h"

class SettingsTab;

// The settings tabs of a card, with the status they add up to.
class CardTabbedPages : public TabbedWidgets
{
    Q_OBJECT

public:
    explicit CardTabbedPages(const QColor& accent, QWidget* parent = nullptr);

    void addTab(SettingsTab* tab, const QString& title);
    SettingsTab* getTab(int index) const;
    void setTabAlertVisible(int index, bool visible);
    int settingsStatus() const { return m_settingsStatus; }

signals:
    void settingsStatusChanged();

public slots:
    void onPageStatusChange();

protected slots:
    void onButtonClicked(int index) override;

private:
    int m_settingsStatus = 0;
};
