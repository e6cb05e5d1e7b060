#include "SettingsSliderLineEdit.h"

#include <QDoubleValidator>
#include <QKeyEvent>
#include <QSignalBlocker>

SettingsSliderLineEdit::SettingsSliderLineEdit(QWidget* parent)
    : SettingsLineEdit(parent)
{
    setFixedWidth(72);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void SettingsSliderLineEdit::setCurrentValueText(std::function<QString()> currentValueText)
{
    m_currentValueText = std::move(currentValueText);
}

void SettingsSliderLineEdit::normalise()
{
    const auto* bounds = qobject_cast<const QDoubleValidator*>(validator());
    bool isNumber = false;
    const double value = text().toDouble(&isNumber);
    QString normal = text();
    if (!isNumber) {
        if (m_currentValueText)
            normal = m_currentValueText();
    } else if (bounds && value > bounds->top()) {
        normal = QString::number(bounds->top(), 'f', bounds->decimals());
    } else if (bounds && value < bounds->bottom()) {
        normal = QString::number(bounds->bottom(), 'f', bounds->decimals());
    }
    if (normal != text()) {
        const QSignalBlocker blocker(this);
        setText(normal);
        // Still the user's edit, to be finished.
        setModified(true);
    }
}

void SettingsSliderLineEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        normalise();
    SettingsLineEdit::keyPressEvent(event);
}

void SettingsSliderLineEdit::focusOutEvent(QFocusEvent* event)
{
    normalise();
    SettingsLineEdit::focusOutEvent(event);
}
