#pragma once

#include "CustomLineEdit.h"

// A field for an IPv4 address, for the forms of product families.
class IpAddressEdit : public CustomLineEdit
{
    Q_OBJECT

public:
    explicit IpAddressEdit(QWidget* parent = nullptr);
};
