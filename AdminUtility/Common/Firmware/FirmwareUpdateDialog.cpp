#include "FirmwareUpdateDialog.h"

FirmwareUpdateDialog::FirmwareUpdateDialog(QWidget* mainWindow)
    : CommonDialog(mainWindow)
{
    setStatus(NeedsUpdate);
}

// The texts belong to the base class's context, which every application of the
// framework shares.
void FirmwareUpdateDialog::setStatus(UpdateStatus status)
{
    m_status = status;
    switch (status) {
    case NeedsUpdate:
        showTwoTexts(CommonDialog::tr("This Example Device needs a Software Update."),
                     CommonDialog::tr("Before you can edit the settings of this Example Device, it must be "
                                      "updated to the latest software version."));
        showTwoButtons(CommonDialog::tr("Cancel"), CommonDialog::tr("Update"));
        break;
    case Updating:
        showTwoTexts(CommonDialog::tr("Updating Example Device..."),
                     CommonDialog::tr("Do not unplug this Example Device while the update is in progress."));
        showProgressBar();
        break;
    case Updated:
        showOneText(CommonDialog::tr("This Example Device has been updated."));
        showOneButton(CommonDialog::tr("Close"));
        break;
    case UpdateFailed:
        showOneText(CommonDialog::tr("Updating the Example Device software failed."));
        showOneButton(CommonDialog::tr("Close"));
        break;
    }
}
