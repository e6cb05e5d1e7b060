#pragma once

#include <QValidator>

// Accepts any text that is not empty.
class NonEmptyValidator : public QValidator
{
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override;
};
