#pragma once

#include "CommonDialog.h"

// The card of the firmware update flow, in one of its four states.
class FirmwareUpdateDialog : public CommonDialog
{
    Q_OBJECT

public:
    enum UpdateStatus
    {
        NeedsUpdate = 0,
        Updating = 1,
        Updated = 2,
        UpdateFailed = 3
    };

    explicit FirmwareUpdateDialog(QWidget* mainWindow);

    void setStatus(UpdateStatus status);
    UpdateStatus status() const { return m_status; }

private:
    UpdateStatus m_status = NeedsUpdate;
};
