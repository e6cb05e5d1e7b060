#include "MarlixFamily.h"

#include "AppDefaults.h"
#include "MarlixProductCard.h"
#include "VisibleMarlix.h"
#include "VisibleMarlixSummaryWidget.h"

#include <QStringList>

namespace {

QString hexVersion(long version)
{
    return QStringLiteral("0x") + QString::number(version, 16);
}

} // namespace

MarlixFamily::MarlixFamily(QObject* parent)
    : ProductFamilyBase(parent)
{
    VisibleMarlix::setSummaryWidgetFactory(
        [](VisibleMarlix& device) -> QWidget* { return new VisibleMarlixSummaryWidget(device); });
}

// The family owns the devices it announced; the discovery forgets them.
MarlixFamily::~MarlixFamily()
{
    m_discovery.uninitialise();
    qDeleteAll(m_discovery.devices());
}

QString MarlixFamily::getName() const
{
    return tr("Marlix");
}

qint32 MarlixFamily::init()
{
    connect(&m_discovery, &MarlixDiscovery::found, this, &MarlixFamily::onDeviceFound, Qt::UniqueConnection);
    connect(&m_discovery, &MarlixDiscovery::lost, this, &MarlixFamily::onDeviceLost, Qt::UniqueConnection);
    return m_discovery.initialise();
}

bool MarlixFamily::handlesBonjourArrival(const BonjourInfo&)
{
    return false;
}

bool MarlixFamily::handlesBonjourRemoval(const BonjourInfo&)
{
    return false;
}

void MarlixFamily::tryAddByIpAddress(const QString&)
{
}

void MarlixFamily::cancelAddByIpAddress(const QString&)
{
}

void MarlixFamily::onDeviceFound(VisibleDevice* device)
{
    if (auto* marlix = dynamic_cast<VisibleMarlix*>(device))
        connect(marlix, &VisibleMarlix::displayInfoChanged, this, &ProductFamilyBase::deviceInfoChanged);
    emit deviceArrived(device);
}

// Receivers may still use the device while they handle its removal.
void MarlixFamily::showDevice(VisibleDevice* device, AdminUtilityWindow* window)
{
    auto* marlix = dynamic_cast<VisibleMarlix*>(device);
    if (!marlix || !window)
        return;
    // A card of a device that is not connected hides and deletes itself.
    auto* card = new MarlixProductCard(*marlix, window);
    if (marlix->isConnected())
        card->show();
}

void MarlixFamily::onDeviceLost(VisibleDevice* device)
{
    emit deviceRemoved(device);
    if (auto* marlix = dynamic_cast<VisibleMarlix*>(device))
        marlix->deleteLater();
}

QString MarlixFamily::getBuildInfo() const
{
    QString html;
    html += QStringLiteral("<b>Software versions</b><br>");
    html += QStringLiteral("&nbsp;&nbsp;Utility: ") + AppDefaults::aboutRelease() + QStringLiteral("<br>");
    // The driver's texts are its own to choose: escaped, never markup.
    html += QStringLiteral("&nbsp;&nbsp;API: ") + VisibleMarlix::getAPIVersion().toHtmlEscaped() + QStringLiteral("<br>");
    html += QStringLiteral("<br><b>Firmware versions</b><br>");
    for (const InstalledFirmware& firmware : VisibleMarlix::getInstalledFirmwareList()) {
        // Firmware of a model that is plugged in is highlighted with the versions the devices run.
        const QString running = firmwareVersionsOf(firmware.modelId);
        if (!running.isEmpty())
            html += QStringLiteral("<span style=\"color: #1d8a5b\">");
        html += QStringLiteral("&nbsp;&nbsp;") + firmware.name.toHtmlEscaped() + QStringLiteral(": ")
            + hexVersion(firmware.firmwareVersion);
        if (!running.isEmpty())
            html += QStringLiteral(" (") + running + QStringLiteral(")</span>");
        html += QStringLiteral("<br>");
    }
    return html;
}

QString MarlixFamily::firmwareVersionsOf(int modelId) const
{
    QStringList versions;
    for (VisibleMarlix* device : m_discovery.devices()) {
        if (device->modelId() != modelId)
            continue;
        long installed = 0;
        long module = 0;
        device->getFirmwareVersion(installed, module);
        versions.append(hexVersion(installed));
    }
    return versions.join(QStringLiteral(", "));
}
