#pragma once

#include <QScrollArea>

class CustomScrollBar;

// A scroll area that takes its content's size and scrolls only sideways, and
// only when the content is wider than the width it may use.
class HorizontalScrollArea : public QScrollArea
{
    Q_OBJECT

public:
    explicit HorizontalScrollArea(QWidget* parent = nullptr);

    // The widest the area may become; 0 or less means no limit.
    void setRemainingWidth(int width);
    int remainingWidth() const { return m_remainingWidth; }

    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void outputWidgetChanged();

private:
    void setUpLook();
    void fitToContent();
    QSize sizeForContent() const;

    CustomScrollBar* m_scrollBar = nullptr;
    int m_remainingWidth = 0;
};
