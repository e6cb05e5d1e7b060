#pragma once

#include <QScrollBar>

class CustomScrollBarStyle;

// A thin scroll bar in the program's greys.
class CustomScrollBar : public QScrollBar
{
    Q_OBJECT

public:
    static constexpr int kPreferredLength = 184;

    explicit CustomScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);

    QSize sizeHint() const override;

private:
    CustomScrollBarStyle* m_style = nullptr;
};
