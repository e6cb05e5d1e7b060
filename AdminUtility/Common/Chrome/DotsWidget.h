#pragma once

#include "VisibleDevice.h"

#include <QList>
#include <QWidget>

class DeviceList;
class FlatImageButton;
class QHBoxLayout;

// The gallery's page dots: one per listed device, the current one lit.
// Clicking a dot makes its device current.
class DotsWidget : public QWidget
{
    Q_OBJECT

public:
    explicit DotsWidget(DeviceList& deviceList, QWidget* parent = nullptr);

    int dotCount() const { return m_dots.size(); }
    FlatImageButton* dot(int index) const { return m_dots.value(index); }
    int markedDot() const { return m_marked; }

private slots:
    void onDeviceListChanged(VisibleDevice* device);
    void onDotClicked();

private:
    void matchDotsToDevices();
    void markDot(int index);

    DeviceList& m_deviceList;
    QHBoxLayout* m_layout;
    QList<FlatImageButton*> m_dots;
    int m_marked = -1;
};
