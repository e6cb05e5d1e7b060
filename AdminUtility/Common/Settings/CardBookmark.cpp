#include "CardBookmark.h"

#include "ColourPalette.h"
#include "CommonGui.h"

#include <QLabel>

CardBookmark::CardBookmark(const QString& title, QWidget* parent)
    : QWidget(parent)
    , m_title(title)
{
    setFixedHeight(kHeight);
    QLabel* label = CommonGui::label(title, CommonGui::kFontLargeSemibold, this, ColourPalette::kStormGray);
    label->setTextFormat(Qt::PlainText);
    label->move(30, 8);
}
