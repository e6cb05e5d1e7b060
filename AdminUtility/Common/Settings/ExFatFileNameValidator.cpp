#include "ExFatFileNameValidator.h"

ExFatFileNameValidator::ExFatFileNameValidator(int size, int flags, QObject* parent)
    : MaxUtf8LengthValidator(size, flags, parent)
{
}

int ExFatFileNameValidator::measure(const QString& text) const
{
    return text.toLatin1().size();
}

QValidator::State ExFatFileNameValidator::checkCharacters(const QString& text) const
{
    static const QString kSpecial = QStringLiteral("*/\\:\"<>|?");
    for (const QChar c : text) {
        if (!(flags() & kAllowSpecialCharacters) && kSpecial.contains(c))
            return Invalid;
        if (c.unicode() < 32 || c.unicode() > 127)
            return Invalid;
    }
    return Acceptable;
}
