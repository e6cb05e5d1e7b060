#include "MarlixStatusReport.h"

#include "CapabilityTables.h"
#include "DisplayModeText.h"
#include "MarlixCodes.h"
#include "SystemInfo.h"
#include "VisibleMarlix.h"

#include <QDir>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

const QString kFileNamePrefix = QStringLiteral("Orvanta_Lumaris_Status_Report_");
constexpr int kEDIDLineLength = 36;
// Millions of bytes, as reports have always counted, so that figures stay comparable.
constexpr uint64_t kBytesPerMiB = 1000000;

QString pixelFormatName(bool known, int64_t format)
{
    QString name;
    if (known)
        GetPixelFormatFamilyString(uint32_t(format), name);
    return name;
}

// "<mode>, <pixel format>", or the mode alone when the format has no name.
QString withPixelFormat(const QString& mode, const QString& pixelFormat)
{
    return pixelFormat.isEmpty() ? mode : QStringLiteral("%1, %2").arg(mode, pixelFormat);
}

QString edidLines(const QByteArray& edid)
{
    const QString base64 = QString::fromLatin1(edid.toBase64());
    QStringList lines;
    for (int i = 0; i < base64.size(); i += kEDIDLineLength)
        lines << base64.mid(i, kEDIDLineLength);
    return lines.join(QStringLiteral("<br/>"));
}

} // namespace

MarlixStatusReport::MarlixStatusReport(VisibleMarlix& device)
    : m_device(device)
{
}

QString MarlixStatusReport::defaultFilePath(const QDateTime& now)
{
    const QString home = QStandardPaths::locate(QStandardPaths::HomeLocation, QString(),
                                                QStandardPaths::LocateDirectory);
    const QString name = kFileNamePrefix + now.toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char('_')
        + now.toString(QStringLiteral("HH-mm-ss")) + QStringLiteral(".html");
    return QDir::toNativeSeparators(QDir::cleanPath(home + QDir::separator() + name));
}

QString MarlixStatusReport::render()
{
    QTextTemplate page(false);
    page.load(QStringLiteral(":/SystemReport"));
    m_table.load(QStringLiteral(":/SystemReportTable"));
    m_row.load(QStringLiteral(":/SystemReportTableRow"));

    fillPageTexts(page);
    if (!fillDeviceTables(page))
        return QString();
    fillHostValues(page);
    return page.render();
}

bool MarlixStatusReport::writeTo(const QString& path)
{
    const QString text = render();
    if (text.isEmpty())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

// The page's own headings, in the language of the program.
void MarlixStatusReport::fillPageTexts(QTextTemplate& page)
{
    page.setValue(QStringLiteral("Language"), tr("en", "language code of the report's HTML, e.g. de"), true);
    page.setValue(QStringLiteral("ReportTitle"), tr("Orvanta System Report"), true);
    page.setValue(QStringLiteral("SystemConfigurationHeading"), tr("System Configuration"), true);
    page.setValue(QStringLiteral("MachineNameHeading"), tr("Machine Name"), true);
    page.setValue(QStringLiteral("OperatingSystemHeading"), tr("Operating System"), true);
    page.setValue(QStringLiteral("PhysicalMemoryHeading"), tr("Physical Memory"), true);
    page.setValue(QStringLiteral("PhysicalProcessorsHeading"), tr("Physical Processors"), true);
}

// In the order the page is filled.
bool MarlixStatusReport::fillDeviceTables(QTextTemplate& page)
{
    page.setValue(QStringLiteral("DeviceModelName"), m_device.modelName(), true);
    if (!fillVideoInputTable(page))
        return false;
    fillVideoOutputTable(page);
    fillReferenceTable(page);
    fillEDIDTable(page);
    page.setValue(QStringLiteral("LumarisVersion"), tr("Lumaris %1").arg(VisibleMarlix::getAPIVersion()), true);
    fillVideoOptionsTable(page);
    fillDeviceInterfaceTable(page);
    fillPCIeStatusTable(page);
    return true;
}

bool MarlixStatusReport::fillVideoInputTable(QTextTemplate& page)
{
    if (!m_device.supportsCapture())
        return true;
    // A connection the program has no name for means the driver and the program
    // disagree about the device: better no report than a wrong one.
    const auto connection = kVideoConnections.constFind(m_device.getVideoInputConnection());
    if (connection == kVideoConnections.constEnd())
        return false;
    page.setValue(QStringLiteral("VideoInputTable"),
                  renderTable(tr("Video Input"), {{connection->name, inputModeText()}}), false);
    return true;
}

void MarlixStatusReport::fillVideoOutputTable(QTextTemplate& page)
{
    if (!m_device.supportsPlayback())
        return;
    int64_t format = 0;
    const bool known = m_device.getLastVideoOutputPixelFormat(format);
    const QString pixelFormat = pixelFormatName(known, format);
    const uint32_t offered = m_device.getVideoOutputConnections();
    QList<Row> rows;
    for (auto it = kVideoConnections.constBegin(); it != kVideoConnections.constEnd(); ++it) {
        if (offered & it.key())
            rows.append(Row(it->name, outputModeText(it.key(), pixelFormat)));
    }
    page.setValue(QStringLiteral("VideoOutputTable"), renderTable(tr("Video Output"), rows), false);
}

void MarlixStatusReport::fillReferenceTable(QTextTemplate& page)
{
    if (!m_device.supportsReferenceInput())
        return;
    page.setValue(QStringLiteral("ReferenceTable"),
                  renderTable(tr("Reference"), {{getVideoReferenceInputDisplayString(&m_device),
                                                 getVideoReferenceInputLockStatus(&m_device)}}),
                  false);
}

void MarlixStatusReport::fillEDIDTable(QTextTemplate& page)
{
    QByteArray edid;
    if (!m_device.getReceivedEDID(edid) || edid.isEmpty())
        return;
    // Base64 needs no escaping, and the line breaks are markup.
    const Row row(edidLines(edid), QString(), QStringLiteral("font-family: monospace;"), true);
    page.setValue(QStringLiteral("EDIDTable"), renderTable(tr("HDMI EDID Data Received"), {row}), false);
}

void MarlixStatusReport::fillVideoOptionsTable(QTextTemplate& page)
{
    const auto state = [](bool enabled) { return enabled ? tr("Enabled") : tr("Disabled"); };
    QList<Row> rows;
    if (m_device.supportsCapture() && m_device.supportsCapturePsF())
        rows.append(Row(tr("Capture 1080p as PsF"), state(m_device.getCapture1080pAsPsF())));
    if (m_device.supportsPlayback() && m_device.supportsOutputPsF())
        rows.append(Row(tr("Output 1080p as PsF"), state(m_device.getOutput1080pAsPsF())));
    if (m_device.supports444SDI())
        rows.append(Row(tr("4:4:4 RGB"), state(m_device.get444SDIIsEnabled())));
    if (!rows.isEmpty())
        page.setValue(QStringLiteral("VideoOptionsTable"), renderTable(tr("Video Options"), rows), false);
}

void MarlixStatusReport::fillDeviceInterfaceTable(QTextTemplate& page)
{
    QString bus;
    switch (m_device.getDeviceInterface()) {
    case MarlixValue::kBusPCI:
        bus = tr("PCI");
        break;
    case MarlixValue::kBusUSB:
        bus = tr("USB");
        break;
    case MarlixValue::kBusThunderbolt:
        bus = tr("Thunderbolt");
        break;
    default:
        bus = tr("Unknown");
    }
    page.setValue(QStringLiteral("DeviceInterfaceTable"), renderTable(tr("Device Interface"), {Row(bus)}),
                  false);
}

void MarlixStatusReport::fillPCIeStatusTable(QTextTemplate& page)
{
    int64_t width = 0;
    if (!m_device.getPCIExpressLinkWidth(width))
        return;
    QList<Row> rows = {{tr("Link Width"), tr("%1x").arg(width)}};
    int64_t speed = 0;
    if (m_device.getPCIExpressLinkSpeed(speed)) {
        static const QMap<int64_t, const char*> kSpeeds = {
            {1, QT_TR_NOOP("2.5 Gbps")}, {2, QT_TR_NOOP("5 Gbps")}, {3, QT_TR_NOOP("8 Gbps")}};
        rows.append(Row(tr("Link Speed"), tr(kSpeeds.value(speed, QT_TR_NOOP("Unknown")))));
    }
    page.setValue(QStringLiteral("PCIeStatusTable"), renderTable(tr("PCIe Status"), rows), false);
}

void MarlixStatusReport::fillHostValues(QTextTemplate& page)
{
    QString text;
    if (SystemInfo::GetHostName(&text, m_run))
        page.setValue(QStringLiteral("MachineName"), text, true);
    if (SystemInfo::GetHardwareModelString(&text))
        page.setValue(QStringLiteral("HardwareModelTable"), renderTable(tr("Hardware Model"), {Row(text)}),
                      false);
    if (SystemInfo::GetSystemVersionString(&text, m_run))
        page.setValue(QStringLiteral("OperatingSystem"), text, true);
    page.setValue(QStringLiteral("PhysicalMemory"),
                  tr("%1 MiB").arg(SystemInfo::GetPhysicalMemory() / kBytesPerMiB), true);
    page.setValue(QStringLiteral("PhysicalProcessors"), QString::number(SystemInfo::GetProcessorCount(m_run)), true);
}

QString MarlixStatusReport::inputModeText() const
{
    uint32_t mode = 0;
    uint32_t flags = 0;
    if (!m_device.getVideoInputDisplayMode(mode, flags))
        return kNoDisplayMode;
    const DisplayModeMap modes = m_device.getVideoInputDisplayModes();
    const QString name = modes.contains(mode) ? modes.value(mode).getName(flags) : kNoDisplayMode;
    int64_t format = 0;
    const bool known = m_device.getVideoInputPixelFormat(format);
    return withPixelFormat(name, pixelFormatName(known, format));
}

// An output mode the device does not list leaves "-" for that connection; the
// rest of the report still says what is known.
QString MarlixStatusReport::outputModeText(uint32_t connection, const QString& pixelFormat) const
{
    uint32_t mode = 0;
    uint32_t flags = 0;
    if (!m_device.getVideoOutputDisplayMode(mode, flags) || !m_device.getVideoOutputDisplayModes().contains(mode))
        return kNoDisplayMode;
    const QString text = getVideoOutputDisplayMode(&m_device, connection);
    return text == kNoDisplayMode ? text : withPixelFormat(text, pixelFormat);
}

QString MarlixStatusReport::renderTable(const QString& title, const QList<Row>& rows)
{
    QString rendered;
    for (const Row& row : rows) {
        m_row.setValue(QStringLiteral("Col1"), row.col1, !row.col1IsMarkup);
        m_row.setValue(QStringLiteral("Col2"), row.col2, true);
        m_row.setValue(QStringLiteral("Col1Style"), row.col1Style, true);
        rendered += m_row.render();
    }
    m_table.setValue(QStringLiteral("TableRows"), rendered, false);
    m_table.setValue(QStringLiteral("TableName"), title, true);
    return m_table.render();
}
