#include "CardSection.h"

#include "CardSeparator.h"
#include "ColourPalette.h"
#include "CommonGui.h"
#include "TightVBoxLayout.h"

#include <QAbstractButton>
#include <QLabel>
#include <QVBoxLayout>

CardSection::CardSection(const QString& title, QWidget* parent)
    : QWidget(parent)
    , m_title(title)
    , m_layout(new TightVBoxLayout(this))
    , m_titleLine(new QWidget(this))
{
    m_titleLine->setFixedHeight(kTitleHeight);
    QLabel* label = CommonGui::label(title, CommonGui::kFontMediumSemibold, m_titleLine, ColourPalette::kStormGray);
    label->setTextFormat(Qt::PlainText);
    label->move(30, 6);
    m_layout->addWidget(m_titleLine);
}

void CardSection::setLeadingSeparator(bool separated)
{
    if (separated == hasLeadingSeparator())
        return;
    if (!separated) {
        delete m_separator;
        m_separator = nullptr;
        return;
    }
    m_separator = new QWidget(this);
    m_separator->setFixedHeight(kLeadingSpace + 1);
    auto* hairline = new CardSeparator(CardSeparator::kHairline, kHairlineWidth, m_separator);
    hairline->move(30, kLeadingSpace);
    m_layout->insertWidget(0, m_separator);
}

void CardSection::setTitleButton(QAbstractButton* button)
{
    m_button = button;
    button->setParent(m_titleLine);
    button->move(kHairlineWidth + 30 - button->width(), (kTitleHeight - button->height()) / 2);
    button->show();
}

void CardSection::addRowWidget(QWidget* widget, bool isRow)
{
    m_layout->addWidget(widget);
    if (isRow)
        m_rows.append(widget);
}

void CardSection::forgetRow(QWidget* row)
{
    m_rows.removeAll(row);
}
