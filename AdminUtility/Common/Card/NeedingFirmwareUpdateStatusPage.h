#pragma once

#include "StatusPage.h"

// Shown for a device that must be updated before it can be set up.
class NeedingFirmwareUpdateStatusPage : public StatusPage
{
    Q_OBJECT

public:
    explicit NeedingFirmwareUpdateStatusPage(QWidget* parent = nullptr);

signals:
    void updateRequested();
    void updateDeclined();
};
