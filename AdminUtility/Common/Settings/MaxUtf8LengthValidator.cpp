#include "MaxUtf8LengthValidator.h"

MaxUtf8LengthValidator::MaxUtf8LengthValidator(int size, int flags, QObject* parent)
    : QValidator(parent)
    , m_limit(size - 1)
    , m_flags(flags)
{
}

// QChar::isSpace covers tab to carriage return, U+0085, U+00A0 and the
// Unicode space separators.
bool MaxUtf8LengthValidator::isWhiteSpace(QChar c)
{
    return c.isSpace();
}

int MaxUtf8LengthValidator::measure(const QString& text) const
{
    return text.toUtf8().size();
}

QValidator::State MaxUtf8LengthValidator::checkCharacters(const QString&) const
{
    return Acceptable;
}

QValidator::State MaxUtf8LengthValidator::validate(QString& input, int&) const
{
    if (input.isEmpty() && !(m_flags & kAllowEmpty))
        return Intermediate;
    if (measure(input) > m_limit)
        return Invalid;
    if (input.isEmpty())
        return Acceptable;
    if (!(m_flags & kAllowLeadingWhiteSpace) && isWhiteSpace(input.front()))
        return Invalid;
    if (!(m_flags & kAllowTrailingWhiteSpace) && isWhiteSpace(input.back()))
        return Intermediate;
    return checkCharacters(input);
}
