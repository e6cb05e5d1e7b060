#include "SettingsSliderWithEditableValue.h"

#include "ColourPalette.h"
#include "CommonGui.h"
#include "FlatImageButton.h"
#include "SettingsSlider.h"
#include "SettingsSliderLineEdit.h"

#include <QDoubleValidator>
#include <QLabel>
#include <QSignalBlocker>

#include <cmath>

SettingsSliderWithEditableValue::SettingsSliderWithEditableValue(QWidget* parent)
    : QFrame(parent)
{
    setFixedHeight(kHeight);
    createControls();
    layOut();
    updateValidator();
    setDefaultEnabled(false);
}

void SettingsSliderWithEditableValue::createControls()
{
    m_slider = new SettingsSlider(this);
    m_field = new SettingsSliderLineEdit(this);
    m_field->setCurrentValueText([this] { return format(CommonGui::fromFixedPoint(m_slider->value(), m_decimals)); });
    m_units = new QLabel(this);
    m_units->setTextFormat(Qt::PlainText);
    m_units->setFont(CommonGui::font(CommonGui::kFontBody));
    m_units->setStyleSheet(QStringLiteral("color: %1;").arg(ColourPalette::kFoggyGray.name()));
    m_units->hide();
    m_defaultButton = new FlatImageButton(QStringLiteral(":/Refresh"), this);

    connect(m_slider, &QSlider::valueChanged, this, &SettingsSliderWithEditableValue::onSliderMoved);
    connect(m_slider, &QSlider::actionTriggered, this, &SettingsSliderWithEditableValue::actionTriggered);
    connect(m_field, &QLineEdit::editingFinished, this, &SettingsSliderWithEditableValue::onFieldEdited);
    connect(m_defaultButton, &QAbstractButton::clicked, this, &SettingsSliderWithEditableValue::onDefaultClicked);
}

void SettingsSliderWithEditableValue::layOut()
{
    m_slider->move(0, (kHeight - SettingsSlider::kHeight) / 2);
    m_field->move(SettingsSlider::kWidth + 10, (kHeight - m_field->height()) / 2);
    const int afterField = m_field->x() + m_field->width() + 6;
    m_units->move(afterField, (kHeight - m_units->sizeHint().height()) / 2);
    m_defaultButton->move(afterField + 40, (kHeight - m_defaultButton->height()) / 2);
    setFixedWidth(m_defaultButton->x() + m_defaultButton->width());
}

QString SettingsSliderWithEditableValue::format(double value) const
{
    return QStringLiteral("%1").arg(value, 0, 'f', m_decimals);
}

void SettingsSliderWithEditableValue::updateValidator()
{
    auto* validator = new QDoubleValidator(m_minimum, m_maximum, m_decimals, m_field);
    validator->setNotation(QDoubleValidator::StandardNotation);
    validator->setLocale(QLocale::c());
    const QValidator* old = m_field->validator();
    m_field->setValidator(validator);
    delete old;
}

void SettingsSliderWithEditableValue::setMinimum(double minimum)
{
    m_minimum = minimum;
    const QSignalBlocker blocker(m_slider);
    m_slider->setMinimum(CommonGui::toFixedPoint(minimum, m_decimals));
    updateValidator();
}

void SettingsSliderWithEditableValue::setMaximum(double maximum)
{
    m_maximum = maximum;
    const QSignalBlocker blocker(m_slider);
    m_slider->setMaximum(CommonGui::toFixedPoint(maximum, m_decimals));
    updateValidator();
}

void SettingsSliderWithEditableValue::setDecimalPlaces(int decimals)
{
    m_decimals = decimals;
    const QSignalBlocker blocker(m_slider);
    m_slider->setRange(CommonGui::toFixedPoint(m_minimum, decimals), CommonGui::toFixedPoint(m_maximum, decimals));
    updateValidator();
}

void SettingsSliderWithEditableValue::setLabel(const QString& units)
{
    m_units->setText(units);
    m_units->adjustSize();
    m_units->setVisible(!units.isEmpty());
}

void SettingsSliderWithEditableValue::setDefaultEnabled(bool enabled)
{
    m_defaultEnabled = enabled;
    m_defaultButton->setVisible(enabled);
    m_defaultButton->setEnabled(enabled && m_slider->isEnabled());
}

void SettingsSliderWithEditableValue::setDefaultValue(double value)
{
    m_defaultValue = value;
}

double SettingsSliderWithEditableValue::realValue() const
{
    return m_field->text().toDouble();
}

void SettingsSliderWithEditableValue::takePreviousValue(double value)
{
    m_previousValue = m_hasPreviousValue ? realValue() : value;
    m_hasPreviousValue = true;
}

void SettingsSliderWithEditableValue::showValue(double value)
{
    const QSignalBlocker fieldBlocker(m_field);
    const QSignalBlocker sliderBlocker(m_slider);
    m_field->setText(format(value));
    m_slider->setValue(CommonGui::toFixedPoint(value, m_decimals));
}

void SettingsSliderWithEditableValue::emitValueChanged(double value)
{
    emit valueChanged(value);
    emit valueChanged();
}

void SettingsSliderWithEditableValue::onSliderMoved(int position)
{
    const double value = CommonGui::fromFixedPoint(position, m_decimals);
    takePreviousValue(value);
    const QSignalBlocker blocker(m_field);
    m_field->setText(format(value));
    emitValueChanged(value);
}

// Return and the focus loss that follows both finish an edit: only the first counts.
void SettingsSliderWithEditableValue::onFieldEdited()
{
    if (!m_field->isModified())
        return;
    m_field->setModified(false);
    const double value = realValue();
    // The field already shows the typed value; the slider still holds the one
    // before it, which a linked slider needs to move by the same amount.
    m_previousValue = m_hasPreviousValue ? CommonGui::fromFixedPoint(m_slider->value(), m_decimals) : value;
    m_hasPreviousValue = true;
    const QSignalBlocker blocker(m_slider);
    m_slider->setValue(CommonGui::toFixedPoint(value, m_decimals));
    emitValueChanged(value);
}

void SettingsSliderWithEditableValue::setRealValue(double value)
{
    takePreviousValue(value);
    const double clamped = qBound(m_minimum, value, m_maximum);
    showValue(clamped);
    emitValueChanged(clamped);
}

bool SettingsSliderWithEditableValue::incrementValue(double delta, double& overflow)
{
    const double value = realValue() + delta;
    const double bounded = qBound(m_minimum, value, m_maximum);
    setRealValue(bounded);
    overflow = value - bounded;
    return bounded == value;
}

void SettingsSliderWithEditableValue::onDefaultClicked()
{
    m_slider->setValue(static_cast<int>(std::trunc(m_defaultValue * std::pow(10.0, m_decimals))));
}

void SettingsSliderWithEditableValue::setSliderEnabled(bool enabled)
{
    m_slider->setEnabled(enabled);
    m_field->setEnabled(enabled);
    m_defaultButton->setEnabled(enabled && m_defaultEnabled);
}

bool SettingsSliderWithEditableValue::sliderEnabled() const
{
    return m_slider->isEnabled();
}

void SettingsSliderWithEditableValue::setValueDisplayVisible(bool visible)
{
    m_field->setVisible(visible);
}

void SettingsSliderWithEditableValue::setStatusIconEnabled(bool enabled)
{
    m_field->setStatusIconEnabled(enabled);
}

void SettingsSliderWithEditableValue::notifyValueChanged()
{
    emit valueChanged();
}
