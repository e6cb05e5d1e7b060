#include "IpAddressValidator.h"

namespace
{
const QString kOctet = QStringLiteral("(25[0-5]|2[0-4][0-9]|[01]?[0-9]?[0-9])");
}

IpAddressValidator::IpAddressValidator(QObject* parent)
    : QValidator(parent)
    , m_address(QStringLiteral("\\A%1\\.%1\\.%1\\.%1\\z").arg(kOctet))
    , m_typing(QStringLiteral("\\A%1?(\\.%1?){0,3}\\z").arg(kOctet))
{
}

IpAddressValidator* IpAddressValidator::shared()
{
    static IpAddressValidator validator;
    return &validator;
}

QValidator::State IpAddressValidator::validate(QString& input, int&) const
{
    if (m_address.match(input).hasMatch())
        return Acceptable;
    const bool prefix =
        m_address.match(input, 0, QRegularExpression::PartialPreferCompleteMatch).hasPartialMatch();
    return prefix || m_typing.match(input).hasMatch() ? Intermediate : Invalid;
}
