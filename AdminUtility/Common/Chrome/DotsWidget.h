#pragma once

#include "VisibleDevice.h"

#include <QList>
#include <QWidget>

class DeviceList;
class FlatImageButton;
class QHBoxLayout;

// The gallery's page dots: one per listed device, the current one lit.
// Clicking a dot makes its device current. A long list gets no more dots than
// the footer holds: they then stand for a stretch of the list that follows the
// current device, so one arrival or removal costs the same however many are listed.
class DotsWidget : public QWidget
{
    Q_OBJECT

public:
    // As many as the footer of the narrowest window holds.
    static constexpr int kMaxDots = 40;

    explicit DotsWidget(DeviceList& deviceList, QWidget* parent = nullptr);

    int dotCount() const { return m_dots.size(); }
    FlatImageButton* dot(int index) const { return m_dots.value(index); }
    int markedDot() const { return m_marked; }
    // The index in the device list of the device the first dot stands for.
    int firstDevice() const { return m_first; }

private slots:
    void onDeviceListChanged(VisibleDevice* device);
    void onDotClicked();

private:
    void matchDotsToDevices(int count);
    void followCurrent(int current, int count);
    void markDot(int index);
    void nameDot(int index);

    DeviceList& m_deviceList;
    QHBoxLayout* m_layout;
    QList<FlatImageButton*> m_dots;
    int m_marked = -1;
    int m_first = 0;
    bool m_dotsShown = false;
};
