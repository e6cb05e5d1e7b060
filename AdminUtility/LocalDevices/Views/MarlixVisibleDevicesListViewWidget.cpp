#include "MarlixVisibleDevicesListViewWidget.h"

#include "CapabilityTables.h"
#include "ColourPalette.h"
#include "CommonGui.h"
#include "DeviceList.h"
#include "DeviceText.h"
#include "DisplayModeText.h"
#include "FlatImageButton.h"
#include "MarlixVisibleDevicesListViewWidget_ScrollArea.h"
#include "TightVBoxLayout.h"
#include "VisibleMarlix.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kTopSpacing = 73;
constexpr int kColumnPadding = 24;
constexpr int kScrollAreaPadding = 28;
constexpr int kTableBottomPadding = 8;
constexpr int kRowPadding = 16;
// A label is the user's to choose and may be long: beyond this it is elided.
constexpr int kMaxLabelColumnWidth = 320;
// The row height follows the list picture of this model; all list pictures share its height.
constexpr uint64_t kRowHeightModel = 75;
constexpr int kFallbackPictureHeight = 48;

QString tableStyleSheet()
{
    return QStringLiteral("QTableWidget { background: transparent; border: none; } "
                          "QTableWidget::item { border-top: 1px solid %2; padding-left: 0px; } "
                          "QHeaderView::section { background-color: %1; border-style: none; "
                          "padding-left: 0px; padding-bottom: %3 }")
        .arg(ColourPalette::kThunderstormGray.name(),
             ColourPalette::kWinterSkyGray.name())
        .arg(kTableBottomPadding);
}

int rowHeight()
{
    const auto icons = kModelImages.constFind(kRowHeightModel);
    const QPixmap picture = icons == kModelImages.constEnd() ? QPixmap() : CommonGui::pixmap(icons->listThumb);
    const int height = picture.isNull() ? kFallbackPictureHeight
                                        : qRound(picture.height() / picture.devicePixelRatio());
    return height + kRowPadding;
}

QTableWidgetItem* createCellItem()
{
    auto* item = new QTableWidgetItem;
    item->setFlags(Qt::ItemIsEnabled);
    item->setFont(CommonGui::font(CommonGui::kFontBody));
    item->setForeground(ColourPalette::kSmokeGray);
    item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return item;
}

QTableWidgetItem* createHeaderItem(const QString& title)
{
    auto* item = new QTableWidgetItem(title);
    item->setFont(CommonGui::font(CommonGui::kFontSmall));
    item->setForeground(ColourPalette::kWinterSkyGray);
    item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return item;
}

// A cell widget sits centred in a frame that fills the cell.
QWidget* wrapInCell(QWidget* widget)
{
    auto* frame = new QFrame;
    auto* layout = new TightVBoxLayout(frame);
    layout->addStretch();
    layout->addWidget(widget, 0, Qt::AlignCenter);
    layout->addStretch();
    return frame;
}

QString videoInText(VisibleMarlix* device)
{
    QString text;
    if (device->supportsCapture()) {
        const auto connection = kVideoConnections.constFind(uint32_t(device->getVideoInputConnection()));
        if (connection != kVideoConnections.constEnd())
            text += connection->name;
        const QString mode = getVideoInputDisplayMode(device);
        if (mode != kNoDisplayMode)
            text += QStringLiteral(": %1").arg(mode);
    }
    return text.isEmpty() ? kNoDisplayMode : text;
}

QString outputFormatText(VisibleMarlix* device)
{
    return device->supportsPlayback() ? getVideoOutputDisplayMode(device, 0) : kNoDisplayMode;
}

QString genlockText(VisibleMarlix* device)
{
    return device->supportsReferenceInput() ? getVideoReferenceInputDisplayString(device) : kNoDisplayMode;
}

} // namespace

MarlixVisibleDevicesListViewWidget::MarlixVisibleDevicesListViewWidget(DeviceList& deviceList, QWidget* parent)
    : VisibleDevicesListViewWidget(deviceList, parent)
{
    setObjectName(QStringLiteral("MarlixVisibleDevicesListViewWidget"));
    setBackground();
    m_refreshTimer.setSingleShot(true);
    connect(&m_refreshTimer, &QTimer::timeout, this, &MarlixVisibleDevicesListViewWidget::refreshPendingDevices);
    // Sizing walks every cell; a burst of additions or changes is sized once.
    m_resizeTimer.setSingleShot(true);
    connect(&m_resizeTimer, &QTimer::timeout, this, &MarlixVisibleDevicesListViewWidget::resizeTable);
}

// The list starts behind the gallery, where its table, pictures and setup buttons were a
// fifth of the program's start-up work for nothing on screen. They are built when the list
// is first shown (or read), from the device list, which holds the devices in the order they
// arrived; from then on the rows follow every change as it comes.
void MarlixVisibleDevicesListViewWidget::ensureBuilt()
{
    if (m_table)
        return;
    createTable();
    createHeader();
    createScrollArea();
    createLayout();
    connect(m_table, &QTableWidget::cellClicked, this, &MarlixVisibleDevicesListViewWidget::onListViewCellClicked);
    for (int index = 0; index < deviceList().numberOfDevice(); ++index)
        onDeviceAdded(deviceList().deviceAt(index));
}

void MarlixVisibleDevicesListViewWidget::showEvent(QShowEvent* event)
{
    ensureBuilt();
    VisibleDevicesListViewWidget::showEvent(event);
}

void MarlixVisibleDevicesListViewWidget::setBackground()
{
    CommonGui::fillBackground(this, ColourPalette::kThunderstormGray);
}

void MarlixVisibleDevicesListViewWidget::createTable()
{
    m_table = new QTableWidget(0, ColumnCount);
    m_table->setObjectName(QStringLiteral("deviceTable"));
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(rowHeight());
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setFocusPolicy(Qt::NoFocus);
    m_table->setTextElideMode(Qt::ElideRight);
    m_table->setWordWrap(false);
    m_table->setShowGrid(false);
    m_table->setCornerButtonEnabled(false);
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_table->setStyleSheet(tableStyleSheet());
    m_table->hide();
}

void MarlixVisibleDevicesListViewWidget::createHeader()
{
    const QStringList titles{tr("PRODUCT"), tr("LABEL"), tr("VIDEO IN"), tr("OUTPUT FORMAT"), tr("GENLOCK"), QString()};
    for (int column = 0; column < ColumnCount; ++column)
        m_table->setHorizontalHeaderItem(column, createHeaderItem(titles.at(column)));
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->horizontalHeader()->setHighlightSections(false);
}

void MarlixVisibleDevicesListViewWidget::createScrollArea()
{
    auto* content = new QWidget;
    content->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    auto* layout = new TightVBoxLayout(content);
    layout->addWidget(m_table);
    layout->addStretch();

    m_scrollArea = new MarlixVisibleDevicesListViewWidget_ScrollArea(this);
    m_scrollArea->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_scrollArea->setContentWidget(content);
}

void MarlixVisibleDevicesListViewWidget::createLayout()
{
    auto* layout = new TightVBoxLayout(this);
    layout->addSpacing(kTopSpacing);
    layout->addWidget(m_scrollArea, 0, Qt::AlignHCenter);
}

int MarlixVisibleDevicesListViewWidget::getDeviceRow(VisibleDevice* device) const
{
    const QTableWidgetItem* key = m_rowKeys.value(device);
    return key ? key->row() : -1;
}

VisibleDevice* MarlixVisibleDevicesListViewWidget::getRowDevice(int row) const
{
    const QTableWidgetItem* key = m_table ? m_table->item(row, KeyColumn) : nullptr;
    return key ? key->data(Qt::UserRole).value<VisibleDevice*>() : nullptr;
}

QTableWidget* MarlixVisibleDevicesListViewWidget::table()
{
    ensureBuilt();
    return m_table;
}

MarlixVisibleDevicesListViewWidget_ScrollArea* MarlixVisibleDevicesListViewWidget::scrollArea()
{
    ensureBuilt();
    return m_scrollArea;
}

void MarlixVisibleDevicesListViewWidget::onDeviceAdded(VisibleDevice* device)
{
    auto* marlix = dynamic_cast<VisibleMarlix*>(device);
    // A list built while the device list announces a device meets that device twice.
    if (!marlix || !m_table || m_rowKeys.contains(device))
        return;
    // A sub-device that comes back takes its place among its card's siblings.
    const int listed = deviceList().indexOfDevice(device);
    const int row = listed < 0 ? m_table->rowCount() : qMin(listed, m_table->rowCount());
    m_table->insertRow(row);
    auto* key = createCellItem();
    key->setData(Qt::UserRole, QVariant::fromValue(device));
    m_table->setItem(row, KeyColumn, key);
    if (device->shouldShowSetup())
        addSetupButton(row, device);
    connect(marlix, &VisibleMarlix::statusChanged, this, &MarlixVisibleDevicesListViewWidget::onDeviceStatusChanged);
    connect(marlix, &VisibleMarlix::propertyChanged, this,
            &MarlixVisibleDevicesListViewWidget::onDeviceStatusChanged);
    m_rowKeys.insert(device, key);
    m_table->show();
    updateDeviceDisplay(device);
    m_resizeTimer.start();
}

void MarlixVisibleDevicesListViewWidget::addSetupButton(int row, VisibleDevice* device)
{
    auto* button = new FlatImageButton(QStringLiteral(":/ListSetup"));
    button->setHoverImage(QStringLiteral(":/ListSetupHover"));
    button->setObjectName(QStringLiteral("setupButton"));
    button->setAccessibleName(tr("Setup"));
    button->setData(QVariant::fromValue(device));
    connect(button, &FlatImageButton::clicked, this, &MarlixVisibleDevicesListViewWidget::onDeviceLauncherClicked);
    m_table->setCellWidget(row, KeyColumn, wrapInCell(button));
}

void MarlixVisibleDevicesListViewWidget::onDeviceRemoved(VisibleDevice* device)
{
    QTableWidgetItem* key = m_rowKeys.value(device);
    if (!key || key->tableWidget() != m_table)
        return;
    m_table->removeRow(key->row());
    m_rowKeys.remove(device);
    m_pendingDevices.remove(device);
    if (m_table->rowCount() == 0)
        m_table->hide();
    m_resizeTimer.start();
}

void MarlixVisibleDevicesListViewWidget::onDeviceInfoChanged(VisibleDevice* device)
{
    if (updateDeviceDisplay(device))
        m_resizeTimer.start();
}

void MarlixVisibleDevicesListViewWidget::onDeviceStatusChanged()
{
    auto* device = qobject_cast<VisibleMarlix*>(sender());
    if (!device || !m_rowKeys.contains(device))
        return;
    m_pendingDevices.insert(device);
    m_refreshTimer.start();
}

void MarlixVisibleDevicesListViewWidget::refreshPendingDevices()
{
    bool changed = false;
    for (VisibleDevice* device : qAsConst(m_pendingDevices))
        changed |= updateDeviceDisplay(device);
    m_pendingDevices.clear();
    if (changed)
        m_resizeTimer.start();
}

void MarlixVisibleDevicesListViewWidget::onListViewCellClicked(int row, int /*column*/)
{
    VisibleDevice* device = getRowDevice(row);
    if (device && device->shouldShowSetup())
        emit requestShowDevice(device);
}

void MarlixVisibleDevicesListViewWidget::onDeviceLauncherClicked()
{
    auto* button = qobject_cast<FlatImageButton*>(sender());
    auto* device = button ? button->data().value<VisibleDevice*>() : nullptr;
    if (device)
        emit requestShowDevice(device);
}

// Answers whether anything shown in the row changed, so that unchanged
// status notifications cost no table resize.
bool MarlixVisibleDevicesListViewWidget::updateDeviceDisplay(VisibleDevice* device)
{
    const int row = getDeviceRow(device);
    auto* marlix = dynamic_cast<VisibleMarlix*>(device);
    if (row < 0 || !marlix)
        return false;
    bool changed = updatePicture(row, marlix);
    changed |= updateText(row, LabelColumn, DeviceText::oneLine(device->deviceName()));
    changed |= updateText(row, VideoInColumn, videoInText(marlix));
    changed |= updateText(row, OutputFormatColumn, outputFormatText(marlix));
    changed |= updateText(row, GenlockColumn, genlockText(marlix));
    return changed;
}

bool MarlixVisibleDevicesListViewWidget::updatePicture(int row, VisibleMarlix* device)
{
    if (!m_table->item(row, ProductColumn)) {
        m_table->setItem(row, ProductColumn, createCellItem());
        auto* picture = new QLabel;
        picture->setObjectName(QStringLiteral("productPicture"));
        picture->setAlignment(Qt::AlignCenter);
        m_table->setCellWidget(row, ProductColumn, wrapInCell(picture));
    }
    auto* picture = m_table->cellWidget(row, ProductColumn)->findChild<QLabel*>();
    const QPixmap listThumb = device->modelListThumb();
    if (picture->pixmap(Qt::ReturnByValue).cacheKey() == listThumb.cacheKey())
        return false;
    picture->setPixmap(listThumb);
    return true;
}

bool MarlixVisibleDevicesListViewWidget::updateText(int row, int column, const QString& text)
{
    QTableWidgetItem* item = m_table->item(row, column);
    if (!item) {
        item = createCellItem();
        m_table->setItem(row, column, item);
    } else if (item->text() == text) {
        return false;
    }
    item->setText(text);
    return true;
}

void MarlixVisibleDevicesListViewWidget::resizeTable()
{
    m_table->resizeColumnsToContents();
    m_table->setColumnWidth(LabelColumn, qMin(m_table->columnWidth(LabelColumn), kMaxLabelColumnWidth));
    int width = 2 * m_table->frameWidth();
    for (int column = 0; column < ColumnCount; ++column) {
        m_table->setColumnWidth(column, m_table->columnWidth(column) + kColumnPadding);
        width += m_table->columnWidth(column);
    }
    m_table->setFixedWidth(width);
    m_scrollArea->setFixedWidth(width + kScrollAreaPadding);

    int height = m_table->horizontalHeader()->sizeHint().height() + kTableBottomPadding;
    for (int row = 0; row < m_table->rowCount(); ++row)
        height += m_table->rowHeight(row);
    m_table->setFixedHeight(height);
}
