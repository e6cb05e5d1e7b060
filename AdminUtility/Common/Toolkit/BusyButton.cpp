#include "BusyButton.h"

#include "CommonGui.h"

BusyButton::BusyButton(QWidget* parent)
    : FlatImageButton(parent)
{
    loadFrames();
    showFrame(1);
    setHoverImage(QStringLiteral(":/Busy_Close"));
    m_timer.setInterval(kFrameIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &BusyButton::onNextFrame);
}

void BusyButton::loadFrames()
{
    for (int i = 1; i <= kFrameCount; ++i)
        m_frames.append(CommonGui::pixmap(QStringLiteral(":/Busy_Frame_%1").arg(i)));
}

void BusyButton::setBusy(bool busy)
{
    m_busy = busy;
    updateAnimation();
}

// Runs only while busy and visible: a hidden indicator costs nothing.
void BusyButton::updateAnimation()
{
    if (m_busy && isVisible())
        m_timer.start();
    else
        m_timer.stop();
}

void BusyButton::onNextFrame()
{
    showFrame(m_frame % kFrameCount + 1);
}

void BusyButton::showFrame(int frame)
{
    m_frame = frame;
    setImage(m_frames.at(frame - 1));
}

void BusyButton::showEvent(QShowEvent* event)
{
    FlatImageButton::showEvent(event);
    updateAnimation();
}

void BusyButton::hideEvent(QHideEvent* event)
{
    FlatImageButton::hideEvent(event);
    m_timer.stop();
}
