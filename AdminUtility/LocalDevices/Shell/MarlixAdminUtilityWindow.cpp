#include "MarlixAdminUtilityWindow.h"

#include "MainWindowAnimator.h"
#include "MarlixVisibleDevicesListViewWidget.h"

#include <QEvent>

namespace
{
const int kMinimumWidth = 780;
const int kWidthMargin = 100;
const int kResizeDuration = 500;
}

MarlixAdminUtilityWindow::MarlixAdminUtilityWindow()
    : m_animator(new MainWindowAnimator(this))
{
    deviceList().setSortOrder(DeviceList::ArrivalOrder);
    connect(m_animator, &MainWindowAnimator::valueChanged, this,
            &MarlixAdminUtilityWindow::onAnimationWindowSizeChanged);
    connect(m_animator, &MainWindowAnimator::finished, this, &MarlixAdminUtilityWindow::onAnimationFinished);
}

QWidget* MarlixAdminUtilityWindow::getListViewWidget()
{
    if (!m_listView)
        m_listView = new MarlixVisibleDevicesListViewWidget(deviceList(), this);
    return m_listView;
}

void MarlixAdminUtilityWindow::setAnimateWindowSize(QSize size)
{
    m_animator->blockSignals(true);
    m_animator->stop();
    m_animator->setStartValue(this->size());
    m_animator->setEndValue(size);
    m_animator->setDuration(kResizeDuration);
    m_animator->blockSignals(false);
    m_animator->start();
}

bool MarlixAdminUtilityWindow::event(QEvent* event)
{
    if (event->type() == QEvent::LayoutRequest)
        fitWidthToContent();
    return AdminUtilityWindow::event(event);
}

void MarlixAdminUtilityWindow::onAnimationWindowSizeChanged(const QVariant& value)
{
    resize(value.toSize());
}

// The window may not be narrowed below what it grew to. A window system
// resizes a shown window when it gets round to it: the width of the last step
// may not have come back yet, so the animation's end is the width grown to.
void MarlixAdminUtilityWindow::onAnimationFinished()
{
    setMinimumWidth(qMax(width(), m_animator->endValue().toSize().width()));
}

// Never wider than the screen: content that needs more elides or scrolls.
void MarlixAdminUtilityWindow::fitWidthToContent()
{
    const int needed = qMin(sizeHint().width() + kWidthMargin, availableScreenSize().width());
    if (needed > width()) {
        // Layout requests keep coming while the window grows; don't restart towards the same width.
        const bool alreadyGrowing = m_animator->state() == QAbstractAnimation::Running
            && m_animator->endValue().toSize().width() == needed;
        if (!alreadyGrowing)
            setAnimateWindowSize(QSize(needed, height()));
    } else {
        setMinimumWidth(qMax(kMinimumWidth, needed));
    }
}
