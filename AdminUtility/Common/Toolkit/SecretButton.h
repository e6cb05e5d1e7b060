#pragma once

#include <QWidget>

// An invisible hot spot: Shift plus a double click emits secretClick().
class SecretButton : public QWidget
{
    Q_OBJECT

public:
    explicit SecretButton(QWidget* parent = nullptr);

signals:
    void secretClick();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};
