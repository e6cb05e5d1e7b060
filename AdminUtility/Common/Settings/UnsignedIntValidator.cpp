#include "UnsignedIntValidator.h"

UnsignedIntValidator::UnsignedIntValidator(int bottom, int top, QObject* parent)
    : QIntValidator(bottom, top, parent)
{
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
