#include "FirmwareUpdate.h"

#include "AdminUtilityWindow.h"
#include "DeviceFirmwareUpdater.h"
#include "FirmwareUpdateDialog.h"
#include "VisibleDevice.h"

FirmwareUpdate::FirmwareUpdate(AdminUtilityWindow* window, VisibleDevice* device)
    : m_window(window)
    , m_device(device)
{
}

// The window may have taken the dialog with it already.
FirmwareUpdate::~FirmwareUpdate()
{
    delete m_dialog;
}

FirmwareUpdateDialog* FirmwareUpdate::dialog() const
{
    return m_dialog;
}

void FirmwareUpdate::updateFirmware()
{
    m_updater = m_device ? m_device->getFirmwareUpdater() : nullptr;
    if (!m_updater || m_updater->isFirmwareUpToDate()) {
        emit firmwareUpdated(m_result);
        return;
    }
    if (!m_dialog)
        createDialog();
    m_result = false;
    connect(m_updater, &DeviceFirmwareUpdater::firmwareUpdated, this, &FirmwareUpdate::onFirmwareUpdateTermination,
            Qt::UniqueConnection);
    m_dialog->setStatus(FirmwareUpdateDialog::NeedsUpdate);
    m_dialog->show();
}

void FirmwareUpdate::createDialog()
{
    m_dialog = new FirmwareUpdateDialog(m_window);
    connect(m_dialog, &FirmwareUpdateDialog::yesClicked, this, &FirmwareUpdate::onAcceptClicked);
    connect(m_dialog, &FirmwareUpdateDialog::noClicked, this, &FirmwareUpdate::onCloseOrDeclineClicked);
    connect(m_dialog, &FirmwareUpdateDialog::closeClicked, this, &FirmwareUpdate::onCloseOrDeclineClicked);
}

void FirmwareUpdate::onAcceptClicked()
{
    if (!m_updater || !m_dialog)
        return;
    connect(m_updater, &DeviceFirmwareUpdater::firmwareUpdateProgress, m_dialog.data(),
            &FirmwareUpdateDialog::setProgress, Qt::UniqueConnection);
    m_dialog->setStatus(FirmwareUpdateDialog::Updating);
    m_updater->startUpdate();
}

// A code without a verdict keeps the result and the updating texts; the
// progress gives way to the busy indicator, whose click is then the only way
// out. Either way this run no longer listens to the updater.
void FirmwareUpdate::onFirmwareUpdateTermination(int code)
{
    if (code == DeviceFirmwareUpdater::Succeeded || code == DeviceFirmwareUpdater::Failed) {
        m_result = code == DeviceFirmwareUpdater::Succeeded;
        if (m_dialog)
            m_dialog->setStatus(m_result ? FirmwareUpdateDialog::Updated : FirmwareUpdateDialog::UpdateFailed);
    } else if (m_dialog) {
        m_dialog->showBusyButton();
    }
    if (!m_updater)
        return;
    if (m_dialog)
        disconnect(m_updater, &DeviceFirmwareUpdater::firmwareUpdateProgress, m_dialog.data(),
                   &FirmwareUpdateDialog::setProgress);
    disconnect(m_updater, &DeviceFirmwareUpdater::firmwareUpdated, this,
               &FirmwareUpdate::onFirmwareUpdateTermination);
}

void FirmwareUpdate::onCloseOrDeclineClicked()
{
    emit firmwareUpdated(m_result);
    if (m_dialog)
        m_dialog->close();
}
