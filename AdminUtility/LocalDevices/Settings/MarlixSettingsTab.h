#pragma once

#include "MarlixDeviceSettings.h"
#include "SettingsTab.h"

#include <QList>

class QButtonGroup;
class SettingsSliderWithEditableValue;
class VisibleMarlix;

// The base of every settings tab of a local device. It fills the controls
// from the device, notices which ones the user changed and writes exactly
// those to the device at once.
//
// A refresh from the device is never a user change: while the device's
// notification is being shown, no control counts as changed, so nothing the
// device reported is ever written back to it.
class MarlixSettingsTab : public SettingsTab
{
    Q_OBJECT

public:
    // The keys of the linked-slider choices kept per device.
    static const QString kAnalogVideoOutputCbCrLinked;
    static const QString kAnalogVideoInputCbCrLinked;
    static const QString kAnalogAudioInputChannelLinked;
    static const QString kAnalogAudioOutputChannelLinked;

    MarlixSettingsTab(VisibleMarlix& device, QWidget* parent = nullptr);

    virtual void applyChanges();
    virtual bool hasChanged(QObject& control) const;
    virtual void watchModifications(bool on);
    bool isWatching() const { return m_watching; }
    const QList<QObject*>& changedControls() const { return m_changedControls; }

    // Devices besides this tab's own that it wrote to (a partner sub-device):
    // the page saves or reverts them with its device.
    virtual QList<VisibleMarlix*> otherDevicesChanged() const { return {}; }

    // True when no section holds a row; such a tab is not shown.
    bool isEmpty() const;
    bool isASection(QWidget* widget) const;
    bool isAControlRow(QWidget* widget) const;
    const QList<QGridLayout*>& getCheckBoxLayouts() const { return checkBoxGroupLayouts(); }

    VisibleMarlix& device() const { return m_device; }
    MarlixDeviceSettings& deviceSettings() { return m_deviceSettings; }

public slots:
    virtual void onConnectionChanged(bool connected);
    virtual void onPropertyChanged();
    void onTabSelected() override;
    void onTabDeselected() override;
    void onAnyControlChanged() override;

protected:
    virtual void onApplyChanges() = 0;
    // Shows text in edit unless the user is busy with it or its text is not
    // acceptable yet: a refresh must not take away what is being typed.
    static void refreshLineEdit(SettingsLineEdit* edit, const QString& text);
    // Shows a device value without the control reporting a change: neither
    // the tab nor a slider link must take it for an edit.
    static void showValue(SettingsSliderWithEditableValue* slider, double value);
    // Checks the button with that id, if the group has one; false otherwise.
    static bool checkButton(QButtonGroup* group, int id);

private slots:
    void onDevicePropertyChanged();

private:
    VisibleMarlix& m_device;
    MarlixDeviceSettings m_deviceSettings;
    bool m_watching = false;
    QList<QObject*> m_changedControls;
};
