#pragma once

#include "IMainWindowMenu.h"

#include <QObject>
#include <QPointer>
#include <QVector>

class MainWindowDialog;
class MainWindowDialogWidget;
class MainWindowMenu;

// Collects the main menu's entries from the families and opens the page of
// the chosen entry over the main window.
class MainWindowMenuController : public QObject, public IMainWindowMenu
{
    Q_OBJECT

public:
    explicit MainWindowMenuController(QWidget* window);

    void addOption(QString label, MainWindowDialogWidget* widget) override;
    void clear();
    void build(QWidget* anchor);

    int optionCount() const { return m_options.size(); }
    MainWindowMenu* currentMenu() const;
    MainWindowDialog* currentDialog() const;

public slots:
    void showDialog(int index);
    void closeDialog();

private:
    struct Option
    {
        QString label;
        MainWindowDialogWidget* widget;
    };

    void showMenu(QWidget* anchor);

    QWidget* m_window;
    QVector<Option> m_options;
    QWidget* m_anchor = nullptr;
    QPointer<MainWindowMenu> m_menu;
    QPointer<MainWindowDialog> m_dialog;
};
