#pragma once

#include <QWidget>

// The dark rounded box of a callout with its white, word-wrapped text.
class RolloverIconCalloutTextBubble : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kTextWidth = 212;
    static constexpr int kCornerRadius = 4;

    explicit RolloverIconCalloutTextBubble(const QString& text, QWidget* parent = nullptr);

    QString text() const { return m_text; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect textRect() const;

    QString m_text;
};
