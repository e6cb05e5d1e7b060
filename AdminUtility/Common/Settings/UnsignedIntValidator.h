#pragma once

#include <QIntValidator>

// Whole numbers typed without sign or leading zero, within [bottom, top].
class UnsignedIntValidator : public QIntValidator
{
    Q_OBJECT

public:
    UnsignedIntValidator(int bottom, int top, QObject* parent = nullptr);

    State validate(QString& input, int& position) const override;
};
