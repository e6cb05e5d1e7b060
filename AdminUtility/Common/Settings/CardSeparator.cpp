#include "CardSeparator.h"

#include "ColourPalette.h"
#include "CommonGui.h"

CardSeparator::CardSeparator(Kind kind, int width, QWidget* parent)
    : QFrame(parent)
    , m_kind(kind)
{
    setFixedHeight(1);
    if (width > 0)
        setFixedWidth(width);
    CommonGui::fillBackground(this, kind == kDark ? ColourPalette::kWolfGray : ColourPalette::kMilkGray);
}
