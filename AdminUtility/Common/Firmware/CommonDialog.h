#pragma once

#include "AdminUtilityDialog.h"

class CommonDialogCard;

// A message card laid over the main window: texts, buttons, progress. It is
// hidden, not deleted, when closed, so that a flow can show it again.
class CommonDialog : public AdminUtilityDialog
{
    Q_OBJECT

public:
    explicit CommonDialog(QWidget* mainWindow);

    void showTwoTexts(const QString& title, const QString& body);
    void showOneText(const QString& text);
    void showTwoButtons(const QString& noText, const QString& yesText);
    void showOneButton(const QString& text);
    void showBusyButton();
    void showProgressBar();

    CommonDialogCard* card() const { return m_card; }

signals:
    void yesClicked();
    void noClicked();
    void closeClicked();

public slots:
    void setProgress(int percent);

private:
    CommonDialogCard* m_card;
};
