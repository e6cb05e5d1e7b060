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
    connect(&m_deviceList, &DeviceList::deviceListAdded, this, &DotsWidget::onDeviceListChanged);
    connect(&m_deviceList, &DeviceList::deviceListRemoved, this, &DotsWidget::onDeviceListChanged);
    connect(&m_deviceList, &DeviceList::deviceListSelected, this, &DotsWidget::onDeviceListChanged);
    onDeviceListChanged(nullptr);
}

void DotsWidget::onDeviceListChanged(VisibleDevice*)
{
    matchDotsToDevices();
    markDot(m_deviceList.getCurrentDeviceIndex());
}

void DotsWidget::onDotClicked()
{
    const int index = m_dots.indexOf(qobject_cast<FlatImageButton*>(sender()));
    if (index < 0)
        return;
    markDot(index);
    m_deviceList.setCurrentDevice(index);
}

void DotsWidget::matchDotsToDevices()
{
    const int count = m_deviceList.numberOfDevice();
    while (m_dots.size() < count) {
        auto* dot = new FlatImageButton(QString::fromLatin1(kDotOff), this);
        connect(dot, &FlatImageButton::clicked, this, &DotsWidget::onDotClicked);
        m_layout->addWidget(dot);
        m_dots.append(dot);
    }
    while (m_dots.size() > count)
        delete m_dots.takeLast();

    // A lone dot tells nothing.
    const bool visible = count > 1;
    for (FlatImageButton* dot : qAsConst(m_dots))
        dot->setVisible(visible);
}

void DotsWidget::markDot(int index)
{
    m_marked = index;
    for (int i = 0; i < m_dots.size(); ++i)
        m_dots.at(i)->setImage(QString::fromLatin1(i == index ? kDotOn : kDotOff));
}
