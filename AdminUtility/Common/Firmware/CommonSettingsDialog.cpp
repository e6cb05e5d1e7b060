#include "CommonSettingsDialog.h"

#include "BusyButton.h"
#include "CardPushButton.h"
#include "CommonDialogCard.h"

#include <QVBoxLayout>

namespace
{
const int kProgressBarWidth = 300;
}

CommonSettingsDialog::CommonSettingsDialog(QWidget* parent)
    : SettingsDialog(parent)
    , m_card(new CommonDialogCard(kProgressBarWidth, Qt::AlignCenter, this))
{
    contentLayout()->addWidget(m_card);
    connect(m_card->noButton(), &CardPushButton::clicked, this, &QDialog::reject);
    connect(m_card->busyButton(), &BusyButton::clicked, this, &QDialog::reject);
    connect(m_card->yesButton(), &CardPushButton::clicked, this, &QDialog::accept);
    connect(m_card->closeButton(), &CardPushButton::clicked, this, &QDialog::accept);
}

void CommonSettingsDialog::showTwoTexts(const QString& title, const QString& body)
{
    m_card->showTwoTexts(title, body);
}

void CommonSettingsDialog::showOneText(const QString& text)
{
    m_card->showOneText(text);
}

void CommonSettingsDialog::showTwoButtons(const QString& noText, const QString& yesText)
{
    m_card->showTwoButtons(noText, yesText);
}

void CommonSettingsDialog::showOneButton(const QString& text)
{
    m_card->showOneButton(text);
}

void CommonSettingsDialog::showBusyButton()
{
    m_card->showBusyButton();
}

void CommonSettingsDialog::showProgressBar()
{
    m_card->showProgressBar();
}

void CommonSettingsDialog::setProgress(int percent)
{
    m_card->setProgress(percent);
}
