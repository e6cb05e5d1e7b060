#include "NonEmptyValidator.h"

QValidator::State NonEmptyValidator::validate(QString& input, int&) const
{
    return input.isEmpty() ? Intermediate : Acceptable;
}
