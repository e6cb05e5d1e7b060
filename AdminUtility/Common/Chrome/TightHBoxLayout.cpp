#include "TightHBoxLayout.h"

TightHBoxLayout::TightHBoxLayout(QWidget* parent)
    : QHBoxLayout(parent)
{
    setSpacing(0);
    setContentsMargins(0, 0, 0, 0);
}
