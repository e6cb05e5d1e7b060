#include "SliderLink.h"

#include "SettingsSliderWithEditableValue.h"

#include <QSignalBlocker>

#include <cmath>

namespace {

double rangeOf(const SettingsSliderWithEditableValue* slider)
{
    return slider->maximum() - slider->minimum();
}

} // namespace

SliderLink::SliderLink(SettingsSliderWithEditableValue* a, SettingsSliderWithEditableValue* b, Type type,
                       QWidget* parent)
    : SliderLinkBase(a, b, parent)
    , m_type(type)
{
    connect(a, qOverload<double>(&SettingsSliderWithEditableValue::valueChanged), this,
            [this](double value) { onSliderChanged(m_sliderA, m_sliderB, value); });
    connect(b, qOverload<double>(&SettingsSliderWithEditableValue::valueChanged), this,
            [this](double value) { onSliderChanged(m_sliderB, m_sliderA, value); });
}

void SliderLink::setIsLinked(bool linked)
{
    if (linked) {
        m_referenceA = m_sliderA->realValue();
        m_referenceB = m_sliderB->realValue();
    }
    SliderLinkBase::setIsLinked(linked);
}

double SliderLink::referenceOf(const SettingsSliderWithEditableValue* slider) const
{
    return slider == m_sliderA ? m_referenceA : m_referenceB;
}

void SliderLink::onSliderChanged(SettingsSliderWithEditableValue* master, SettingsSliderWithEditableValue* slave,
                                 double value)
{
    if (!isLinked())
        return;
    {
        const QSignalBlocker masterBlocker(master);
        const QSignalBlocker slaveBlocker(slave);
        switch (m_type) {
        case Equal: slave->setRealValue(value); break;
        case Offset: moveOffset(master, slave, value); break;
        case Proportional: moveProportional(master, slave, value); break;
        }
    }
    slave->notifyValueChanged();
}

void SliderLink::moveOffset(SettingsSliderWithEditableValue* master, SettingsSliderWithEditableValue* slave,
                            double value)
{
    const double previous = master->previousRealValue();
    const double delta = value - previous;
    double overflow = 0.0;
    if (!slave->incrementValue(delta, overflow))
        master->setRealValue(previous + (delta - overflow));
}

void SliderLink::moveProportional(SettingsSliderWithEditableValue* master, SettingsSliderWithEditableValue* slave,
                                  double value)
{
    const double masterReference = referenceOf(master);
    const double slaveReference = referenceOf(slave);
    const double masterRange = rangeOf(master);
    const double slaveRange = rangeOf(slave);
    if (masterRange <= 0.0 || slaveRange <= 0.0)
        return;
    const double ratio = masterRange / slaveRange;
    const double low = masterReference + (slave->minimum() - slaveReference) * ratio;
    const double high = masterReference + (slave->maximum() - slaveReference) * ratio;
    const double clamped = qBound(qMin(low, high), value, qMax(low, high));
    if (std::fabs(master->realValue() - clamped) > 0.1)
        master->setRealValue(clamped);
    const double follower = (clamped - masterReference) / masterRange * slaveRange + slaveReference;
    slave->setRealValue(qBound(slave->minimum(), follower, slave->maximum()));
}

void SliderLink::resetSliders(double value)
{
    for (SettingsSliderWithEditableValue* slider : {m_sliderA, m_sliderB}) {
        {
            const QSignalBlocker blocker(slider);
            slider->setRealValue(value);
        }
        slider->notifyValueChanged();
    }
}

void resetSliders(const QList<SettingsSliderWithEditableValue*>& sliders, double value)
{
    for (SettingsSliderWithEditableValue* slider : sliders)
        slider->setRealValue(value);
}
