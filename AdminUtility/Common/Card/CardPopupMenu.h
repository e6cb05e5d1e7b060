#pragma once

#include <QMenu>

class QActionGroup;

// The card's pop-up menu of options, each known by an id.
class CardPopupMenu : public QMenu
{
    Q_OBJECT

public:
    explicit CardPopupMenu(QWidget* parent = nullptr);

    QAction* addOption(const QString& text, int id, bool checkable = false);
    void beginExclusiveGroup();
    void endExclusiveGroup();
    void selectOption(int id, bool checked);
    QAction* option(int id) const;

    // Pops the menu up at point of widget; "above" puts its bottom there.
    void raiseMenuBelow(QWidget* widget, const QPoint& point);
    void raiseMenuAbove(QWidget* widget, const QPoint& point);

signals:
    void menuOptionPressed(int id);

private:
    QActionGroup* m_exclusiveGroup = nullptr;
};
