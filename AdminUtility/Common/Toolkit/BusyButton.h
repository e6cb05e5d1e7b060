#pragma once

#include "FlatImageButton.h"

#include <QTimer>
#include <QVector>

// A spinning busy indicator; hovering shows a close picture, so a click on it
// can cancel whatever it waits for.
class BusyButton : public FlatImageButton
{
    Q_OBJECT

public:
    static constexpr int kFrameCount = 12;
    static constexpr int kFrameIntervalMs = 100;

    explicit BusyButton(QWidget* parent = nullptr);

    void setBusy(bool busy);
    bool isBusy() const { return m_busy; }

    // The frame shown now, 1 to kFrameCount, and whether it is advancing.
    int frame() const { return m_frame; }
    bool isAnimating() const { return m_timer.isActive(); }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void loadFrames();
    void updateAnimation();
    void onNextFrame();
    void showFrame(int frame);

    QVector<QPixmap> m_frames;
    QTimer m_timer;
    int m_frame = 1;
    bool m_busy = false;
};
