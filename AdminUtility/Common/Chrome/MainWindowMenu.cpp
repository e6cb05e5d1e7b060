#include "MainWindowMenu.h"

MainWindowMenu::MainWindowMenu(const QStringList& labels, QWidget* parent)
    : QMenu(parent)
{
    setStyleSheet(QStringLiteral(
        "QMenu { background-color: white; border: 1px solid white; border-radius: 6px; padding: 4px 0px; }"
        "QMenu::item { color: black; padding: 4px 20px; background: transparent; }"
        "QMenu::item:selected { background-color: #e8e8e8; }"));
    for (int i = 0; i < labels.size(); ++i) {
        QAction* action = addAction(labels.at(i));
        connect(action, &QAction::triggered, this, [this, i] { emit menuOptionPressed(i); });
    }
}

void MainWindowMenu::popupAbove(QWidget* anchor)
{
    const QPoint corner = anchor->mapToGlobal(QPoint(0, 0));
    popup(corner - QPoint(0, sizeHint().height()));
}
