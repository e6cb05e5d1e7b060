#include "IpPortEdit.h"

#include <QIntValidator>

IpPortEdit::IpPortEdit(QWidget* parent)
    : CustomLineEdit(parent)
{
    static QIntValidator validator(kLowestPort, kHighestPort);
    setValidator(&validator);
}
