#pragma once

#include "SettingsDialog.h"

class CommonDialogCard;

// The message card as a true modal dialog for settings pages: "Cancel" and
// the busy indicator reject it, "Accept" and "Close" accept it.
class CommonSettingsDialog : public SettingsDialog
{
    Q_OBJECT

public:
    explicit CommonSettingsDialog(QWidget* parent = nullptr);

    void showTwoTexts(const QString& title, const QString& body);
    void showOneText(const QString& text);
    void showTwoButtons(const QString& noText, const QString& yesText);
    void showOneButton(const QString& text);
    void showBusyButton();
    void showProgressBar();

    CommonDialogCard* card() const { return m_card; }

public slots:
    void setProgress(int percent);

private:
    CommonDialogCard* m_card;
};
