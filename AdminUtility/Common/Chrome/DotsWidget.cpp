#include "DotsWidget.h"

#include "DeviceList.h"
#include "FlatImageButton.h"
#include "TightHBoxLayout.h"

namespace
{
const int kDotSpacing = 4;
const char* const kDotOff = ":/Dot_Off";
const char* const kDotOn = ":/Dot_On";
}

DotsWidget::DotsWidget(DeviceList& deviceList, QWidget* parent)
    : QWidget(parent)
    , m_deviceList(deviceList)
    , m_layout(new TightHBoxLayout(this))
{
    m_layout->setSpacing(kDotSpacing);
    setAccessibleName(tr("Devices"));
    connect(&m_deviceList, &DeviceList::deviceListAdded, this, &DotsWidget::onDeviceListChanged);
    connect(&m_deviceList, &DeviceList::deviceListRemoved, this, &DotsWidget::onDeviceListChanged);
    connect(&m_deviceList, &DeviceList::deviceListSelected, this, &DotsWidget::onDeviceListChanged);
    onDeviceListChanged(nullptr);
}

void DotsWidget::onDeviceListChanged(VisibleDevice*)
{
    const int count = m_deviceList.numberOfDevice();
    const int current = m_deviceList.getCurrentDeviceIndex();
    matchDotsToDevices(count);
    followCurrent(current, count);
    markDot(current < 0 ? -1 : current - m_first);
}

void DotsWidget::onDotClicked()
{
    const int index = m_dots.indexOf(qobject_cast<FlatImageButton*>(sender()));
    if (index < 0)
        return;
    markDot(index);
    m_deviceList.setCurrentDevice(m_first + index);
}

// Only the dots that come or go are touched.
void DotsWidget::matchDotsToDevices(int count)
{
    const int wanted = qMin(count, kMaxDots);
    // A lone dot tells nothing.
    const bool shown = count > 1;
    while (m_dots.size() < wanted) {
        auto* dot = new FlatImageButton(QString::fromLatin1(kDotOff), this);
        connect(dot, &FlatImageButton::clicked, this, &DotsWidget::onDotClicked);
        dot->setVisible(shown);
        dot->setAccessibleName(tr("Device"));
        m_layout->addWidget(dot);
        m_dots.append(dot);
    }
    while (m_dots.size() > wanted) {
        if (m_marked == m_dots.size() - 1)
            m_marked = -1;
        delete m_dots.takeLast();
    }
    if (shown != m_dotsShown) {
        m_dotsShown = shown;
        for (FlatImageButton* dot : qAsConst(m_dots))
            dot->setVisible(shown);
    }
}

// Keeps the current device within the stretch of the list the dots stand for.
void DotsWidget::followCurrent(int current, int count)
{
    const int last = qMax(0, count - m_dots.size());
    if (current >= 0 && current < m_first)
        m_first = current;
    else if (current >= m_first + m_dots.size())
        m_first = current - m_dots.size() + 1;
    m_first = qBound(0, m_first, last);
}

void DotsWidget::markDot(int index)
{
    if (index == m_marked)
        return;
    if (m_marked >= 0 && m_marked < m_dots.size()) {
        m_dots.at(m_marked)->setImage(QString::fromLatin1(kDotOff));
        m_dots.at(m_marked)->setAccessibleName(tr("Device"));
    }
    m_marked = index;
    if (index >= 0 && index < m_dots.size()) {
        m_dots.at(index)->setImage(QString::fromLatin1(kDotOn));
        nameDot(index);
    }
}

void DotsWidget::nameDot(int index)
{
    m_dots.at(index)->setAccessibleName(
        tr("Device %1 of %2").arg(m_first + index + 1).arg(m_deviceList.numberOfDevice()));
}
