#include "UnsignedIntValidator.h"

UnsignedIntValidator::UnsignedIntValidator(int bottom, int top, QObject* parent)
    : QIntValidator(bottom, top, parent)
{
    // Digits only: "1,000" would pass in a locale with group separators and then read as 0.
    QLocale digits = QLocale::c();
    digits.setNumberOptions(QLocale::RejectGroupSeparator);
    setLocale(digits);
}

QValidator::State UnsignedIntValidator::validate(QString& input, int& position) const
{
    if (input.isEmpty())
        return Intermediate;
    const QChar first = input.at(0);
    if (first < QLatin1Char('1') || first > QLatin1Char('9'))
        return Invalid;
    return QIntValidator::validate(input, position);
}
