#pragma once

#include "VisibleDevice.h"

#include <QFrame>

class DeviceList;
class DotsWidget;
class FooterLeftRegion;
class QHBoxLayout;
class ViewSelectionBar;

// The band at the bottom of the main window: the left corner with the menu
// button and the build-details trigger, the gallery's page dots and, where
// the window has a list view, the gallery/list switch.
class WindowFooter : public QFrame
{
    Q_OBJECT

public:
    WindowFooter(DeviceList& deviceList, QWidget* parent, bool hasListView);

    void showDots();
    void hideDots();
    void updateDisplay();

    QWidget* menuAnchor() const;
    FooterLeftRegion* leftRegion() const { return m_leftRegion; }
    DotsWidget* dots() const { return m_dots; }
    ViewSelectionBar* viewSelectionBar() const { return m_viewSelectionBar; }

signals:
    void menuButtonClicked();
    void easterEggClicked();
    void galleryViewSelected();
    void listViewSelected();

private slots:
    void onDeviceListChanged(VisibleDevice* device);

private:
    void fillBackground();
    void createLayout(bool hasListView);
    void connectSignals();
    bool galleryActive() const;

    DeviceList& m_deviceList;
    FooterLeftRegion* m_leftRegion;
    DotsWidget* m_dots;
    ViewSelectionBar* m_viewSelectionBar = nullptr;
};
