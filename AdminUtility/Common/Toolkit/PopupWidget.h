#pragma once

#include <QFrame>
#include <QList>

// A pop-up panel placed at a point and kept on its screen. Every panel is
// listed, so that all of them can be closed at once.
class PopupWidget : public QFrame
{
    Q_OBJECT

public:
    // The panel's top-left corner lies this far up and left of the point given.
    static constexpr int kOffset = 20;

    explicit PopupWidget(QWidget* parent = nullptr);
    ~PopupWidget() override;

    void showAt(const QPoint& point);
    void positionAt(const QPoint& point);
    static void hideAll();
    static const QList<PopupWidget*>& allPopups() { return s_allPopups; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void keepOnScreen();

    static QList<PopupWidget*> s_allPopups;
};
