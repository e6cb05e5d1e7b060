#pragma once

#include <QMenu>
#include <QStringList>

// The main menu's pop-up: one entry per option, reporting the option's index.
class MainWindowMenu : public QMenu
{
    Q_OBJECT

public:
    MainWindowMenu(const QStringList& labels, QWidget* parent);

    // Pops up with the menu's bottom edge on the anchor's top-left corner.
    void popupAbove(QWidget* anchor);

signals:
    void menuOptionPressed(int index);
};
