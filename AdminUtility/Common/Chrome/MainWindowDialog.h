#pragma once

#include "AdminUtilityDialog.h"

class MainWindowDialogWidget;
class QLabel;

// The in-window dialog of a main menu entry: the entry's label in a title
// bar above the entry's page.
class MainWindowDialog : public AdminUtilityDialog
{
    Q_OBJECT

public:
    MainWindowDialog(const QString& title, MainWindowDialogWidget* widget, QWidget* mainWindow);

    QString title() const;
    MainWindowDialogWidget* widget() const { return m_widget; }
    // Hands the page back without deleting it.
    MainWindowDialogWidget* takeWidget();

private:
    QWidget* createTitleBar(const QString& title);

    QLabel* m_title = nullptr;
    MainWindowDialogWidget* m_widget;
};
