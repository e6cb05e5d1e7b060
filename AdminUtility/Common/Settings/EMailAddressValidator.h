#pragma once

#include <QRegExp>
#include <QRegExpValidator>

// An e-mail address in lower case. Text on its way to an address (an at
// sign or the domain's dot still missing) is Intermediate, not Invalid, so
// that it can be typed.
class EMailAddressValidator : public QRegExpValidator
{
    Q_OBJECT

public:
    explicit EMailAddressValidator(QObject* parent = nullptr);

    State validate(QString& input, int& position) const override;

private:
    QRegExp m_partial;
};
