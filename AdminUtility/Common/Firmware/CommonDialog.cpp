#include "CommonDialog.h"

#include "CommonDialogCard.h"

#include <QVBoxLayout>

namespace
{
const int kProgressBarWidth = 360;
}

CommonDialog::CommonDialog(QWidget* mainWindow)
    : AdminUtilityDialog(mainWindow)
    , m_card(new CommonDialogCard(kProgressBarWidth, Qt::AlignHCenter | Qt::AlignTop, contentFrame()))
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    contentLayout()->addWidget(m_card);
    connect(m_card, &CommonDialogCard::yesClicked, this, &CommonDialog::yesClicked);
    connect(m_card, &CommonDialogCard::noClicked, this, &CommonDialog::noClicked);
    connect(m_card, &CommonDialogCard::closeClicked, this, &CommonDialog::closeClicked);
    hide();
}

void CommonDialog::showTwoTexts(const QString& title, const QString& body)
{
    m_card->showTwoTexts(title, body);
}

void CommonDialog::showOneText(const QString& text)
{
    m_card->showOneText(text);
}

void CommonDialog::showTwoButtons(const QString& noText, const QString& yesText)
{
    m_card->showTwoButtons(noText, yesText);
}

void CommonDialog::showOneButton(const QString& text)
{
    m_card->showOneButton(text);
}

void CommonDialog::showBusyButton()
{
    m_card->showBusyButton();
}

void CommonDialog::showProgressBar()
{
    m_card->showProgressBar();
}

void CommonDialog::setProgress(int percent)
{
    m_card->setProgress(percent);
}
