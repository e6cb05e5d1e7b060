#pragma once

#include <QWidget>

// The small upward triangle that points from a callout to its icon.
class RolloverIconCalloutChevron : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kWidth = 16;
    static constexpr int kHeight = 8;

    explicit RolloverIconCalloutChevron(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
