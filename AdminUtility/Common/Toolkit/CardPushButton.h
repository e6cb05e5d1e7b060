#pragma once

#include <QPushButton>

// The push button of cards and in-window dialogs: a rounded grey button that
// shows the accent colour while pressed.
class CardPushButton : public QPushButton
{
    Q_OBJECT

public:
    static constexpr int kHeight = 25;
    static constexpr int kMinimumWidth = 90;

    explicit CardPushButton(const QString& text, QWidget* parent = nullptr);
};
