#include "MainWindowDialogWidget.h"

#include "CardPushButton.h"
#include "TightHBoxLayout.h"
#include "TightVBoxLayout.h"


namespace
{
const int kOuterSpacing = 20;
const int kButtonSpacing = 10;
const int kSideMargin = 20;
}

MainWindowDialogWidget::MainWindowDialogWidget(QWidget* parent)
    : QFrame(parent)
{
}

void MainWindowDialogWidget::aboutToShow()
{
}

void MainWindowDialogWidget::setAddButtonEnabled(bool enabled)
{
    if (m_addButton)
        m_addButton->setEnabled(enabled);
}

void MainWindowDialogWidget::onAddPressed()
{
}

void MainWindowDialogWidget::onClosePressed()
{
    emit closePressed();
}

void MainWindowDialogWidget::buildMe(QString addTitle, QString closeTitle)
{
    auto* layout = new TightVBoxLayout(this);
    layout->setContentsMargins(kSideMargin, 0, kSideMargin, 0);
    layout->addSpacing(kOuterSpacing);
    buildContents(layout);
    layout->addSpacing(kOuterSpacing);
    layout->addStretch();
    layout->addWidget(createButtonRow(addTitle, closeTitle));
    layout->addSpacing(kOuterSpacing);
}

QWidget* MainWindowDialogWidget::createButtonRow(const QString& addTitle, const QString& closeTitle)
{
    auto* row = new QWidget(this);
    auto* rowLayout = new TightHBoxLayout(row);
    rowLayout->addStretch();

    auto* holder = new QWidget(row);
    auto* holderLayout = new TightHBoxLayout(holder);
    holderLayout->setSpacing(kButtonSpacing);
    m_addButton = new CardPushButton(addTitle, holder);
    m_closeButton = new CardPushButton(closeTitle, holder);
    holderLayout->addWidget(m_addButton);
    holderLayout->addWidget(m_closeButton);
    holder->setFixedSize(holder->sizeHint());
    rowLayout->addWidget(holder);

    connect(m_addButton, &CardPushButton::clicked, this, &MainWindowDialogWidget::onAddPressed);
    connect(m_closeButton, &CardPushButton::clicked, this, &MainWindowDialogWidget::onClosePressed);
    return row;
}
