#include "TabbedWidgets.h"

#include "ColourPalette.h"
#include "CommonGui.h"
#include "TabButton.h"
#include "TightHBoxLayout.h"
#include "TightVBoxLayout.h"

#include <QButtonGroup>
#include <QFrame>
#include <QHBoxLayout>
#include <QStackedWidget>
#include <QVBoxLayout>

TabbedWidgets::TabbedWidgets(const QColor& background, QWidget* parent)
    : QWidget(parent)
    , m_buttons(new QButtonGroup(this))
{
    setBackground(background);
    auto* layout = new TightVBoxLayout(this);
    createTabStrip(layout);
    createSeparator(layout);
    createPages(layout);
    connectSignals();
}

void TabbedWidgets::setBackground(const QColor& background)
{
    CommonGui::fillBackground(this, background);
}

void TabbedWidgets::createTabStrip(QVBoxLayout* layout)
{
    m_buttons->setExclusive(true);
    m_tabStrip = new TightHBoxLayout;
    m_tabStrip->addStrut(kStripHeight);
    m_tabStrip->addSpacing(kLeadingSpacing);
    m_tabStrip->addStretch();
    layout->addLayout(m_tabStrip);
}

void TabbedWidgets::createSeparator(QVBoxLayout* layout)
{
    auto* line = new QFrame(this);
    line->setFixedHeight(1);
    CommonGui::fillBackground(line, ColourPalette::kBonesGray);
    layout->addWidget(line);
}

void TabbedWidgets::createPages(QVBoxLayout* layout)
{
    m_pages = new QStackedWidget(this);
    layout->addWidget(m_pages, 1);
}

void TabbedWidgets::connectSignals()
{
    connect(m_buttons, &QButtonGroup::idClicked, this, &TabbedWidgets::onButtonClicked);
}

int TabbedWidgets::addTab(QWidget* page, const QString& title)
{
    const int index = m_pages->count();
    auto* button = new TabButton(title, this);
    m_buttons->addButton(button, index);
    // Before the closing stretch, after the tabs already there.
    m_tabStrip->insertWidget(m_tabStrip->count() - 1, button);
    m_pages->addWidget(page);
    if (index == 0)
        selectTab(0);
    return index;
}

void TabbedWidgets::selectTab(int index)
{
    TabButton* button = tabButton(index);
    if (!button)
        return;
    button->setChecked(true);
    showPage(index);
}

int TabbedWidgets::numTabs() const
{
    return m_pages->count();
}

TabButton* TabbedWidgets::tabButton(int index) const
{
    return static_cast<TabButton*>(m_buttons->button(index));
}

QWidget* TabbedWidgets::tabPage(int index) const
{
    return m_pages->widget(index);
}

void TabbedWidgets::onButtonClicked(int index)
{
    showPage(index);
}

void TabbedWidgets::showPage(int index)
{
    m_currentTab = index;
    m_pages->setCurrentIndex(index);
}
