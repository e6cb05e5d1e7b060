#include "TightVBoxLayout.h"

TightVBoxLayout::TightVBoxLayout(QWidget* parent)
    : QVBoxLayout(parent)
{
    setSpacing(0);
    setContentsMargins(0, 0, 0, 0);
}
