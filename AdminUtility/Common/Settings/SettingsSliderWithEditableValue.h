#pragma once

#include <QFrame>

class FlatImageButton;
class QLabel;
class SettingsSlider;
class SettingsSliderLineEdit;

// A slider with a field that shows its value and takes a typed one, an
// optional units label and an optional button back to a default value.
// The slider works on fixed-point integers of the chosen decimal places.
class SettingsSliderWithEditableValue : public QFrame
{
    Q_OBJECT

public:
    static constexpr int kHeight = 35;

    explicit SettingsSliderWithEditableValue(QWidget* parent = nullptr);

    void setMinimum(double minimum);
    void setMaximum(double maximum);
    void setDecimalPlaces(int decimals);
    void setLabel(const QString& units);
    void setDefaultEnabled(bool enabled);
    void setDefaultValue(double value);

    void setRealValue(double value);
    double realValue() const;
    double previousRealValue() const { return m_previousValue; }
    // Moves by delta; past a bound the value stops at the bound, overflow
    // receives how far past it the move would have gone and the result is false.
    bool incrementValue(double delta, double& overflow);

    void setSliderEnabled(bool enabled);
    bool sliderEnabled() const;
    void setValueDisplayVisible(bool visible);
    void setStatusIconEnabled(bool enabled);

    double minimum() const { return m_minimum; }
    double maximum() const { return m_maximum; }
    int decimalPlaces() const { return m_decimals; }
    bool isDefaultEnabled() const { return m_defaultEnabled; }
    double defaultValue() const { return m_defaultValue; }

    SettingsSlider* slider() const { return m_slider; }
    SettingsSliderLineEdit* valueField() const { return m_field; }
    FlatImageButton* defaultButton() const { return m_defaultButton; }

    // Emits valueChanged() only: the value was set with signals blocked and
    // the tab should now hear of it.
    void notifyValueChanged();

signals:
    void valueChanged(double value);
    void valueChanged();
    void actionTriggered(int action);

private:
    void createControls();
    void layOut();
    void updateValidator();
    QString format(double value) const;
    void takePreviousValue(double value);
    void showValue(double value);
    void emitValueChanged(double value);
    void onSliderMoved(int position);
    void onFieldEdited();
    void onDefaultClicked();

    SettingsSlider* m_slider = nullptr;
    SettingsSliderLineEdit* m_field = nullptr;
    QLabel* m_units = nullptr;
    FlatImageButton* m_defaultButton = nullptr;
    double m_minimum = 0.0;
    double m_maximum = 100.0;
    int m_decimals = 0;
    double m_previousValue = 0.0;
    bool m_hasPreviousValue = false;
    bool m_defaultEnabled = false;
    double m_defaultValue = 0.0;
};
