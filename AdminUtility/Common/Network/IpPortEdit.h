#pragma once

#include "CustomLineEdit.h"

// A field for a registered port number (1024 to 49151), for the forms of
// product families.
class IpPortEdit : public CustomLineEdit
{
    Q_OBJECT

public:
    static constexpr int kLowestPort = 1024;
    static constexpr int kHighestPort = 49151;

    explicit IpPortEdit(QWidget* parent = nullptr);
};
