#pragma once

#include <QWidget>

class RolloverIconCalloutChevron;
class RolloverIconCalloutTextBubble;

// The hover explanation of a RolloverIcon: a chevron above a text bubble.
// Without a parent it is a frameless top-level panel.
class RolloverIconCallout : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kGapBelowIcon = 4;

    explicit RolloverIconCallout(const QString& text, QWidget* parent = nullptr);

    // Shows the callout centred under iconOnScreen (screen coordinates).
    void showBelow(const QRect& iconOnScreen);
    QString text() const;

private:
    void setUpWindow();
    void createContents(const QString& text);

    RolloverIconCalloutChevron* m_chevron = nullptr;
    RolloverIconCalloutTextBubble* m_bubble = nullptr;
};
