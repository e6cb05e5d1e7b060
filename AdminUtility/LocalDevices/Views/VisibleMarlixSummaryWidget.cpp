#include "VisibleMarlixSummaryWidget.h"

#include "CapabilityTables.h"
#include "ColourPalette.h"
#include "CommonGui.h"
#include "DisplayModeText.h"
#include "HorizontalScrollArea.h"
#include "LabelledImage.h"
#include "VisibleMarlix.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVariant>

#include <algorithm>

namespace {

constexpr int kSeparatorHeight = 105;
constexpr int kSeparatorColumnWidth = 10;
constexpr int kOutputSpacing = 12;
constexpr int kMinimumOutputWidth = 65;
// The summary's columns share this width; the output row gets what the others leave.
constexpr int kSummaryWidth = 460;
constexpr int kWidthWithoutInput = 60;
constexpr int kInputColumnExtra = 103;
constexpr int kReferenceColumnExtra = 43;
// Up to this many outputs always show whole, even beyond the summary's width.
constexpr int kOutputsShownWhole = 4;
// A reference input is a BNC socket, as is SDI.
const char* const kReferenceImage = ":/InputSDISmall";

// Order of the output row: by connection, each link's variants right after it.
uint64_t displayOrder(uint32_t key)
{
    const uint64_t code = key & VisibleMarlixSummaryWidget::kConnectionMask;
    const uint64_t rank = (key & VisibleMarlixSummaryWidget::kSecondLinkBit) ? 1
        : (key & VisibleMarlixSummaryWidget::kDownConvertedBit)             ? 2
                                                                            : 0;
    return (code << 2) | rank;
}

} // namespace

VisibleMarlixSummaryWidget::VisibleMarlixSummaryWidget(VisibleMarlix& device, QWidget* parent)
    : QFrame(parent)
    , m_device(device)
{
    setObjectName(QStringLiteral("VisibleMarlixSummaryWidget"));
    CommonGui::fillBackground(this, ColourPalette::kThunderstormGray);
    createLayout();
    createColumns();
    connectSignals();
    onDeviceStatusChanged();
}

void VisibleMarlixSummaryWidget::createLayout()
{
    m_grid = new QGridLayout(this);
    m_grid->setContentsMargins(30, 17, 30, 17);
    m_grid->setHorizontalSpacing(16);
    m_grid->setVerticalSpacing(15);
    m_grid->setSizeConstraint(QLayout::SetFixedSize);
}

void VisibleMarlixSummaryWidget::createColumns()
{
    if (m_device.supportsCapture())
        createInputColumn();
    if (m_device.supportsPlayback()) {
        createOutputColumn();
        if (m_device.supportsReferenceInput())
            createReferenceColumn();
    }
}

void VisibleMarlixSummaryWidget::createInputColumn()
{
    m_input = new LabelledImage;
    m_input->setObjectName(QStringLiteral("videoInput"));
    addColumn(tr("VIDEO INPUT"), m_input);
}

void VisibleMarlixSummaryWidget::createOutputColumn()
{
    auto* row = new QWidget;
    row->setObjectName(QStringLiteral("videoOutputRow"));
    m_outputRow = new QHBoxLayout(row);
    m_outputRow->setContentsMargins(0, 0, 0, 0);
    m_outputRow->setSpacing(kOutputSpacing);

    m_outputScrollArea = new HorizontalScrollArea;
    m_outputScrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_outputScrollArea->setWidgetResizable(true);
    m_outputScrollArea->setWidget(row);
    addColumn(tr("VIDEO OUTPUT"), m_outputScrollArea);
}

void VisibleMarlixSummaryWidget::createReferenceColumn()
{
    m_reference = new LabelledImage;
    m_reference->setObjectName(QStringLiteral("referenceInput"));
    m_reference->setImage(QString::fromLatin1(kReferenceImage));
    addColumn(tr("REF INPUT"), m_reference);
}

void VisibleMarlixSummaryWidget::addColumn(const QString& title, QWidget* widget)
{
    if (m_columnCount > 0)
        addSeparatorColumn();
    const int column = m_columnCount++;
    QLabel* titleLabel = CommonGui::label(title, CommonGui::kFontSmallSemibold, this, ColourPalette::kOwlGray);
    m_grid->addWidget(titleLabel, 0, column, Qt::AlignHCenter | Qt::AlignTop);
    m_grid->addWidget(widget, 1, column, Qt::AlignHCenter | Qt::AlignTop);
}

void VisibleMarlixSummaryWidget::addSeparatorColumn()
{
    const int column = m_columnCount++;
    auto* line = new QFrame(this);
    line->setFixedSize(1, kSeparatorHeight);
    CommonGui::fillBackground(line, ColourPalette::kOwlGray);
    m_grid->addWidget(line, 0, column, -1, 1, Qt::AlignCenter);
    m_grid->setColumnMinimumWidth(column, kSeparatorColumnWidth);
}

void VisibleMarlixSummaryWidget::connectSignals()
{
    m_refreshTimer.setSingleShot(true);
    connect(&m_refreshTimer, &QTimer::timeout, this, &VisibleMarlixSummaryWidget::onDeviceStatusChanged);
    connect(&m_device, &VisibleMarlix::statusChanged, &m_refreshTimer, qOverload<>(&QTimer::start));
    connect(&m_device, &VisibleMarlix::propertyChanged, &m_refreshTimer, qOverload<>(&QTimer::start));
    if (m_outputScrollArea)
        connect(m_outputScrollArea, &HorizontalScrollArea::outputWidgetChanged, this,
                &VisibleMarlixSummaryWidget::onOutputWidgetChanged);
}

LabelledImage* VisibleMarlixSummaryWidget::inputWidget() const
{
    return m_input;
}

LabelledImage* VisibleMarlixSummaryWidget::referenceWidget() const
{
    return m_reference;
}

LabelledImage* VisibleMarlixSummaryWidget::outputWidget(uint32_t key) const
{
    const auto found = m_outputs.find(key);
    return found == m_outputs.end() ? nullptr : found->second;
}

QList<LabelledImage*> VisibleMarlixSummaryWidget::outputWidgets() const
{
    QList<LabelledImage*> widgets;
    for (int index = 0; m_outputRow && index < m_outputRow->count(); ++index)
        widgets.append(qobject_cast<LabelledImage*>(m_outputRow->itemAt(index)->widget()));
    return widgets;
}

HorizontalScrollArea* VisibleMarlixSummaryWidget::outputScrollArea() const
{
    return m_outputScrollArea;
}

void VisibleMarlixSummaryWidget::onDeviceStatusChanged()
{
    updateInput();
    updateReference();
    updateOutputs();
}

void VisibleMarlixSummaryWidget::updateInput()
{
    if (!m_input)
        return;
    const auto connection = kVideoConnections.constFind(m_device.getVideoInputConnection());
    if (connection == kVideoConnections.constEnd())
        return;
    m_input->setImage(connection->smallIcon);
    m_input->setInfoLabel(connection->name);
    m_input->setBoldLabel(getVideoInputDisplayMode(&m_device));
}

void VisibleMarlixSummaryWidget::updateReference()
{
    if (!m_reference)
        return;
    m_reference->setBoldLabel(getVideoReferenceInputDisplayString(&m_device));
    m_reference->setInfoLabel(getVideoReferenceInputLockStatus(&m_device));
}

void VisibleMarlixSummaryWidget::updateOutputs()
{
    if (!m_outputRow)
        return;
    const uint32_t connections = m_device.getVideoOutputConnections();
    for (auto connection = kVideoConnections.cbegin(); connection != kVideoConnections.cend(); ++connection) {
        if (connections & connection.key())
            updateOutputsOfConnection(connection.key(), connection.value());
    }
}

// The variants go first: whether one is shown decides the plain connector's label.
void VisibleMarlixSummaryWidget::updateOutputsOfConnection(uint32_t code, const VideoConnectionInfo& info)
{
    if (code == MarlixValue::kVideoSDI || code == MarlixValue::kVideoOptical)
        updateConnectionWidget(info, code | kSecondLinkBit);
    if (code == MarlixValue::kVideoSDI)
        updateConnectionWidget(info, code | kDownConvertedBit);
    updateConnectionWidget(info, code);
}

void VisibleMarlixSummaryWidget::updateConnectionWidget(const VideoConnectionInfo& info, uint32_t key)
{
    const uint32_t code = key & kConnectionMask;
    const bool variant = key != code;
    if (variant && !variantAllowed(key)) {
        removeOutputWidget(key);
        return;
    }
    const QString text = getVideoOutputDisplayMode(&m_device, key);
    if (variant && text == getVideoOutputDisplayMode(&m_device, code)) {
        removeOutputWidget(key);
        return;
    }
    LabelledImage* widget = takeOrCreateOutputWidget(key);
    widget->setImage(info.smallIcon);
    widget->setBoldLabel(text);
    if (variant)
        widget->setInfoLabel(tr("%1 B").arg(info.name));
    else if (hasSecondaryConnectionWidget(code))
        widget->setInfoLabel(tr("%1 A").arg(info.name));
    else
        widget->setInfoLabel(info.name);
}

bool VisibleMarlixSummaryWidget::variantAllowed(uint32_t key) const
{
    if (key & kSecondLinkBit)
        return m_device.supportsSDIDualLink();
    return m_device.hasDedicatedDownconvertedOutput();
}

bool VisibleMarlixSummaryWidget::hasSecondaryConnectionWidget(uint32_t code) const
{
    return outputWidget(code | kDownConvertedBit) || outputWidget(code | kSecondLinkBit);
}

LabelledImage* VisibleMarlixSummaryWidget::takeOrCreateOutputWidget(uint32_t key)
{
    if (LabelledImage* existing = outputWidget(key))
        return existing;
    const int position = int(std::count_if(m_outputs.begin(), m_outputs.end(), [key](const auto& entry) {
        return displayOrder(entry.first) < displayOrder(key);
    }));
    auto* widget = new LabelledImage;
    widget->setObjectName(QStringLiteral("videoOutput"));
    widget->setProperty("outputKey", uint(key));
    m_outputRow->insertWidget(position, widget);
    m_outputs.emplace(key, widget);
    return widget;
}

void VisibleMarlixSummaryWidget::removeOutputWidget(uint32_t key)
{
    const auto found = m_outputs.find(key);
    if (found == m_outputs.end())
        return;
    delete found->second;
    m_outputs.erase(found);
}

void VisibleMarlixSummaryWidget::onOutputWidgetChanged()
{
    int width = kMinimumOutputWidth;
    for (const auto& entry : m_outputs)
        width = std::max(width, entry.second->sizeHint().width());
    for (const auto& entry : m_outputs)
        entry.second->setFixedWidth(width);
    m_outputWidth = width;
    updateOutputRoom();
}

void VisibleMarlixSummaryWidget::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    updateOutputRoom();
}

// The output row gets what the other columns leave of the summary's width, but
// never less than its first outputs need to show whole.
void VisibleMarlixSummaryWidget::updateOutputRoom()
{
    if (!m_outputScrollArea)
        return;
    int used = m_input ? columnWidth(m_input) + kInputColumnExtra : kWidthWithoutInput;
    if (m_reference)
        used += columnWidth(m_reference) + kReferenceColumnExtra;
    const int wholeOutputs = kOutputsShownWhole * m_outputWidth + (kOutputsShownWhole - 1) * kOutputSpacing;
    m_outputScrollArea->setRemainingWidth(qMax(kSummaryWidth - used, wholeOutputs));
}

int VisibleMarlixSummaryWidget::columnWidth(QWidget* widget) const
{
    int row = 0;
    int column = 0;
    int rowSpan = 0;
    int columnSpan = 0;
    m_grid->getItemPosition(m_grid->indexOf(widget), &row, &column, &rowSpan, &columnSpan);
    return m_grid->cellRect(row, column).width();
}
