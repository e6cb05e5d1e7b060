#include "MarlixSettingsTab.h"

#include "CardSection.h"
#include "CardSeparator.h"
#include "SettingsLineEdit.h"
#include "SettingsSliderWithEditableValue.h"
#include "VisibleMarlix.h"
#include "VisibleMarlixSummaryWidget.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QSignalBlocker>


const QString MarlixSettingsTab::kAnalogVideoOutputCbCrLinked = QStringLiteral("AnalogVideoOutputCbCrLinked");
const QString MarlixSettingsTab::kAnalogVideoInputCbCrLinked = QStringLiteral("AnalogVideoInputCbCrLinked");
const QString MarlixSettingsTab::kAnalogAudioInputChannelLinked = QStringLiteral("AnalogAudioInputChannelLinked");
const QString MarlixSettingsTab::kAnalogAudioOutputChannelLinked = QStringLiteral("AnalogAudioOutputChannelLinked");

MarlixSettingsTab::MarlixSettingsTab(VisibleMarlix& device, QWidget* parent)
    : SettingsTab(parent)
    , m_device(device)
    , m_deviceSettings(device)
{
    connect(&device, &VisibleMarlix::connectionChangedSignal, this, &MarlixSettingsTab::onConnectionChanged);
    connect(&device, &VisibleMarlix::propertyChanged, this, &MarlixSettingsTab::onDevicePropertyChanged);
}

void MarlixSettingsTab::watchModifications(bool on)
{
    m_watching = on;
}

bool MarlixSettingsTab::hasChanged(QObject& control) const
{
    return m_changedControls.contains(&control);
}

void MarlixSettingsTab::onConnectionChanged(bool)
{
}

void MarlixSettingsTab::onPropertyChanged()
{
}

// What the device reports is shown, never taken for an edit.
void MarlixSettingsTab::onDevicePropertyChanged()
{
    const bool watching = m_watching;
    m_watching = false;
    onPropertyChanged();
    m_watching = watching;
}

void MarlixSettingsTab::onTabSelected()
{
    m_watching = false;
    onPropertyChanged();
    m_watching = true;
}

void MarlixSettingsTab::onTabDeselected()
{
}

void MarlixSettingsTab::onAnyControlChanged()
{
    if (!m_watching)
        return;
    SettingsTab::onAnyControlChanged();
    QObject* control = sender();
    if (auto* edit = qobject_cast<SettingsLineEdit*>(control); edit && !edit->isAcceptable())
        return;
    if (control && !m_changedControls.contains(control))
        m_changedControls.append(control);
    applyChanges();
}

void MarlixSettingsTab::applyChanges()
{
    onApplyChanges();
    if (auto* summary = qobject_cast<VisibleMarlixSummaryWidget*>(m_device.summaryWidget()))
        summary->onDeviceStatusChanged();
    m_changedControls.clear();
    m_watching = true;
}

bool MarlixSettingsTab::isEmpty() const
{
    for (const CardSection* section : sections()) {
        if (section->hasRows())
            return false;
    }
    return true;
}

bool MarlixSettingsTab::isASection(QWidget* widget) const
{
    return qobject_cast<CardSection*>(widget) != nullptr;
}

bool MarlixSettingsTab::isAControlRow(QWidget* widget) const
{
    return widget && !isASection(widget) && !qobject_cast<CardSeparator*>(widget);
}

void MarlixSettingsTab::refreshLineEdit(SettingsLineEdit* edit, const QString& text)
{
    if (!edit || edit->hasFocus() || (edit->isModified() && !edit->isAcceptable()))
        return;
    edit->setText(text);
}

void MarlixSettingsTab::showValue(SettingsSliderWithEditableValue* slider, double value)
{
    if (!slider)
        return;
    const QSignalBlocker blocker(slider);
    slider->setRealValue(value);
}

bool MarlixSettingsTab::checkButton(QButtonGroup* group, int id)
{
    QAbstractButton* button = group ? group->button(id) : nullptr;
    if (!button)
        return false;
    button->setChecked(true);
    return true;
}
