#include "FirmwareUpdateDialog.h"

#include <QCoreApplication>

namespace
{
QString text(const char* source)
{
    return QCoreApplication::translate("CommonDialog", source);
}
}

FirmwareUpdateDialog::FirmwareUpdateDialog(QWidget* mainWindow)
    : CommonDialog(mainWindow)
{
    setStatus(NeedsUpdate);
}

void FirmwareUpdateDialog::setStatus(UpdateStatus status)
{
    m_status = status;
    switch (status) {
    case NeedsUpdate:
        showTwoTexts(text("This Example Device needs a Software Update."),
                     text("Before you can edit the settings of this Example Device, it must be updated to the "
                          "latest software version."));
        showTwoButtons(text("Cancel"), text("Update"));
        break;
    case Updating:
        showTwoTexts(text("Updating Example Device..."),
                     text("Do not unplug this Example Device while the update is in progress."));
        showProgressBar();
        break;
    case Updated:
        showOneText(text("This Example Device has been updated."));
        showOneButton(text("Close"));
        break;
    case UpdateFailed:
        showOneText(text("Updating the Example Device software failed."));
        showOneButton(text("Close"));
        break;
    }
}
