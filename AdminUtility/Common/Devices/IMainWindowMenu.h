#pragma once

#include <QString>

class MainWindowDialogWidget;

// Lets a family add entries to the main window's menu; choosing an entry
// opens the given page as an in-window dialog.
class IMainWindowMenu
{
public:
    virtual void addOption(QString label, MainWindowDialogWidget* widget) = 0;
};
