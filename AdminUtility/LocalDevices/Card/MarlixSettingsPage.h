#pragma once

#include "SettingsPage.h"

#include <QList>

class MarlixSettingsTab;
class VisibleMarlix;

// The settings page of a local device. Every change goes to the device at
// once; "Save" asks the driver to keep the settings, "Cancel" to go back to
// the kept ones.
class MarlixSettingsPage : public SettingsPage
{
    Q_OBJECT

public:
    MarlixSettingsPage(VisibleMarlix& device, QWidget* parent = nullptr);

    const QList<MarlixSettingsTab*>& tabs() const { return m_tabs; }

public slots:
    void onCancelPressed() override;
    void onSavePressed() override;
    void onConnectionChanged();
    void onMenuOptionPressed(int id);

protected:
    void applyChanges() override;
    virtual void buildPages();

private:
    void checkAddTab(MarlixSettingsTab* tab, const QString& title);
    QList<VisibleMarlix*> otherDevicesChanged() const;

    VisibleMarlix& m_device;
    QList<MarlixSettingsTab*> m_tabs;
};
