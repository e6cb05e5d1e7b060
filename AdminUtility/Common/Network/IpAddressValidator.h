#pragma once

#include <QRegularExpression>
#include <QValidator>

// Accepts a dotted IPv4 address; a text on its way to one (a prefix, or
// octets and dots still being typed) is intermediate; anything else is
// refused as it is typed.
class IpAddressValidator : public QValidator
{
    Q_OBJECT

public:
    explicit IpAddressValidator(QObject* parent = nullptr);

    // The one instance the address fields share.
    static IpAddressValidator* shared();

    State validate(QString& input, int& position) const override;

private:
    QRegularExpression m_address;
    QRegularExpression m_typing;
};
