#include "IpAddressEdit.h"

#include "IpAddressValidator.h"

IpAddressEdit::IpAddressEdit(QWidget* parent)
    : CustomLineEdit(parent)
{
    setValidator(IpAddressValidator::shared());
}
