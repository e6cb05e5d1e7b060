#pragma once

#include "MaxUtf8LengthValidator.h"

// A file name for a removable disk: counted in Latin-1 characters, plain
// printable ASCII only, and without the characters the file system refuses.
class ExFatFileNameValidator : public MaxUtf8LengthValidator
{
    Q_OBJECT

public:
    ExFatFileNameValidator(int size, int flags, QObject* parent = nullptr);

protected:
    int measure(const QString& text) const override;
    State checkCharacters(const QString& text) const override;
};
