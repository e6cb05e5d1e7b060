#pragma once

#include "CapabilityTables.h"
#include "MarlixSettingsTab.h"

#include <QMap>
#include <QStringList>
#include <QVector>

#include <cstdint>

class CardSection;
class QAbstractButton;
class QButtonGroup;
class SettingsCheckBox;
class SettingsComboBox;

// The "Conversions" tab: the hardware up, down and cross conversion of the
// video input and of the outputs. The user picks a group of conversions, then
// how the picture is fitted ("Display As:") among the modes of that group.
class ConversionsSettings : public MarlixSettingsTab
{
    Q_OBJECT

public:
    ConversionsSettings(VisibleMarlix& device, QWidget* parent = nullptr);

    // Null where the device has no such choice (or no mode row is shown).
    SettingsComboBox* inputGroups() const { return m_input.combo; }
    QButtonGroup* inputModes() const { return m_input.modes; }
    SettingsComboBox* outputGroups() const { return m_output.combo; }
    QButtonGroup* outputModes() const { return m_output.modes; }
    SettingsCheckBox* convertAnalogOutputs() const { return m_convertAnalog; }

public slots:
    void onPropertyChanged() override;
    void onInputConversionGroupChanged(int index);
    void onOutputConversionGroupChanged(int index);

protected:
    void onApplyChanges() override;

private:
    // The input or the output half of the tab.
    struct Half
    {
        CardSection* section = nullptr;
        SettingsComboBox* combo = nullptr;
        // The mode list of each combo item, and of every group in table order.
        QVector<const ConversionModeList*> offered;
        QVector<const ConversionModeList*> all;
        const QMap<uint32_t, VideoConversionInfo>* table = nullptr;
        QButtonGroup* modes = nullptr;
        QMap<uint32_t, QAbstractButton*> buttons;
        // The group whose modes are shown, so that a refresh rebuilds only on a change.
        const ConversionModeList* shown = nullptr;
        bool onlySupportedModes = false;
    };

    void createInput();
    void createOutput();
    void addGroupRow(Half& half, const QString& label, const QStringList& names);
    QList<uint32_t> modesToOffer(const Half& half, const ConversionModeList& group) const;
    void removeModeRow(Half& half);
    // False for the "None" group, which has no modes to show.
    bool showModes(Half& half, int index);
    void showCurrentMode(Half& half, uint32_t mode, void (ConversionsSettings::*onGroupChanged)(int));
    void applyHalf(Half& half, void (VisibleMarlix::*set)(uint32_t));

    Half m_input;
    Half m_output;
    SettingsCheckBox* m_convertAnalog = nullptr;
};
