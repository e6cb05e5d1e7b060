#include "MainWindowMenuController.h"

#include "MainWindowDialog.h"
#include "MainWindowDialogWidget.h"
#include "MainWindowMenu.h"

#include <QStringList>

MainWindowMenuController::MainWindowMenuController(QWidget* window)
    : QObject(window)
    , m_window(window)
{
}

void MainWindowMenuController::addOption(QString label, MainWindowDialogWidget* widget)
{
    m_options.append(Option{label, widget});
    connect(widget, &MainWindowDialogWidget::closePressed, this, &MainWindowMenuController::closeDialog,
            Qt::UniqueConnection);
}

void MainWindowMenuController::clear()
{
    m_options.clear();
}

MainWindowMenu* MainWindowMenuController::currentMenu() const
{
    return m_menu;
}

MainWindowDialog* MainWindowMenuController::currentDialog() const
{
    return m_dialog;
}

// A single entry needs no menu: its page opens at once.
void MainWindowMenuController::build(QWidget* anchor)
{
    m_anchor = anchor;
    if (m_options.isEmpty())
        return;
    if (m_options.size() == 1)
        showDialog(0);
    else
        showMenu(anchor);
}

void MainWindowMenuController::showDialog(int index)
{
    if (index < 0 || index >= m_options.size())
        return;
    closeDialog();
    const Option& option = m_options.at(index);
    option.widget->aboutToShow();
    m_dialog = new MainWindowDialog(option.label, option.widget, m_window);
    m_dialog->show();
}

// The page belongs to whoever added it: take it out before the dialog goes.
void MainWindowMenuController::closeDialog()
{
    if (!m_dialog)
        return;
    m_dialog->takeWidget();
    m_dialog->close();
    m_dialog = nullptr;
}

void MainWindowMenuController::showMenu(QWidget* anchor)
{
    if (m_menu)
        m_menu->deleteLater();
    QStringList labels;
    for (const Option& option : qAsConst(m_options))
        labels << option.label;
    m_menu = new MainWindowMenu(labels, m_window);
    connect(m_menu, &MainWindowMenu::menuOptionPressed, this, &MainWindowMenuController::showDialog);
    m_menu->popupAbove(anchor);
}
