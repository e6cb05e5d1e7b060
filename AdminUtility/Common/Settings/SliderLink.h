#pragma once

#include "SliderLinkBase.h"

#include <QList>

// Two sliders that move together while linked. The slider the user moves
// leads; the other follows by the link's rule.
class SliderLink : public SliderLinkBase
{
    Q_OBJECT

public:
    enum Type
    {
        Equal = 0,       // the follower takes the leader's value
        Offset = 1,      // both move by the same amount, and both stop when either hits a bound
        Proportional = 2 // the follower moves by the same share of its range
    };

    SliderLink(SettingsSliderWithEditableValue* a, SettingsSliderWithEditableValue* b, Type type, QWidget* parent);

    Type type() const { return m_type; }
    void setIsLinked(bool linked) override;
    // Sets A, then B, to value; the tab hears of each once.
    void resetSliders(double value);

private:
    void onSliderChanged(SettingsSliderWithEditableValue* master, SettingsSliderWithEditableValue* slave,
                         double value);
    void moveOffset(SettingsSliderWithEditableValue* master, SettingsSliderWithEditableValue* slave, double value);
    void moveProportional(SettingsSliderWithEditableValue* master, SettingsSliderWithEditableValue* slave,
                          double value);
    double referenceOf(const SettingsSliderWithEditableValue* slider) const;

    Type m_type;
    double m_referenceA = 0.0;
    double m_referenceB = 0.0;
};

// Sets every slider of the list to value, each telling its tab as usual.
void resetSliders(const QList<SettingsSliderWithEditableValue*>& sliders, double value);
