#include "EMailAddressValidator.h"

EMailAddressValidator::EMailAddressValidator(QObject* parent)
    : QRegExpValidator(QRegExp(QStringLiteral("[a-z0-9._%+-]+@[a-z0-9.-]+\\.[a-z]{2,4}"), Qt::CaseSensitive), parent)
    , m_partial(QStringLiteral("[a-z0-9._%+-]*@?[a-z0-9.-]*\\.?[a-z]*"), Qt::CaseSensitive)
{
}

QValidator::State EMailAddressValidator::validate(QString& input, int& position) const
{
    if (input.isEmpty())
        return Acceptable;
    const State state = QRegExpValidator::validate(input, position);
    if (state != Invalid)
        return state;
    return m_partial.exactMatch(input) ? Intermediate : Invalid;
}
