#include "VisibleDevicesWidget.h"

#include "AppDefaults.h"
#include "ColourPalette.h"
#include "CommonGui.h"
#include "DeviceList.h"
#include "DeviceText.h"
#include "FlatImageButton.h"
#include "TightHBoxLayout.h"
#include "TightVBoxLayout.h"
#include "VisibleDevice.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>

namespace
{
const int kDeviceWidth = 400;
const int kNoDeviceWidth = 470;
const int kIconGap = 10;
const int kArrowMargin = 40;
const int kArrowStrut = 32;
const int kButtonRowSpacing = 30;
const QSize kUpdateAreaSize(400, 120);

int descent(const QWidget* widget)
{
    return QFontMetrics(widget->font()).descent();
}

QSize logicalSize(const QPixmap& pixmap)
{
    return (QSizeF(pixmap.size()) / pixmap.devicePixelRatio()).toSize();
}

QLabel* centredLabel(int fontStyle, const QColor& colour, QWidget* parent, const char* objectName)
{
    QLabel* label = CommonGui::label(QString(), fontStyle, parent, colour);
    label->setAlignment(Qt::AlignCenter);
    label->setObjectName(QLatin1String(objectName));
    return label;
}
}

VisibleDevicesWidget::VisibleDevicesWidget(DeviceList& deviceList, QWidget* parent)
    : QFrame(parent)
    , m_deviceList(deviceList)
    , m_noDeviceImage(CommonGui::pixmap(QStringLiteral(":/NoDevice")))
{
    setObjectName(QStringLiteral("VisibleDevicesWidget"));
    fillBackground();

    auto* layout = new TightVBoxLayout(this);
    layout->addStretch(2);
    layout->addLayout(createScrollerRow());
    layout->addLayout(createSummaryArea());
    layout->addStretch(3);

    connectSignals();
    createShortcuts();
    nameForAssistiveTechnology();
    updateDeviceDisplay();
}

// The summary widget belongs to its device: hand it back instead of letting
// the gallery's destruction take it along.
VisibleDevicesWidget::~VisibleDevicesWidget()
{
    detachSummaryWidget();
}

int VisibleDevicesWidget::currentPage() const
{
    return m_pages->currentIndex();
}

void VisibleDevicesWidget::onDeviceClicked()
{
    VisibleDevice* device = m_deviceList.getCurrentDevice();
    if (!device || !device->shouldShowSetup())
        return;
    m_pictureButton->clearFocus();
    m_setupButton->clearFocus();
    emit requestShowDevice(device);
}

void VisibleDevicesWidget::onControlAppClicked()
{
    emit requestShowControlApp(m_deviceList.getCurrentDevice());
}

void VisibleDevicesWidget::onUpdateButtonClicked()
{
    emit requestFirmwareUpdate(m_deviceList.getCurrentDevice());
}

void VisibleDevicesWidget::onLeftClicked()
{
    m_deviceList.selectPreviousDevice();
}

void VisibleDevicesWidget::onRightClicked()
{
    m_deviceList.selectNextDevice();
}

void VisibleDevicesWidget::onDeviceListChanged(VisibleDevice* device)
{
    // Another device coming, going or changing leaves the one on show as it is:
    // only the arrows follow the list. Re-showing would re-seat the summary widget
    // once for every device of a card that is plugged in.
    VisibleDevice* current = m_deviceList.getCurrentDevice();
    if (current && current == m_shownDevice && device != current) {
        showArrows(m_deviceList.getCurrentDeviceIndex(), m_deviceList.numberOfDevice());
        return;
    }
    updateDeviceDisplay();
}

void VisibleDevicesWidget::fillBackground()
{
    CommonGui::fillBackground(this, ColourPalette::kThunderstormGray);
}

QHBoxLayout* VisibleDevicesWidget::createScrollerRow()
{
    m_leftArrow = new FlatImageButton(QStringLiteral(":/LeftArrow"), this);
    m_leftArrow->setHoverImage(QStringLiteral(":/LeftArrow_Hover"));
    m_leftArrow->setObjectName(QStringLiteral("leftArrow"));
    m_rightArrow = new FlatImageButton(QStringLiteral(":/RightArrow"), this);
    m_rightArrow->setHoverImage(QStringLiteral(":/RightArrow_Hover"));
    m_rightArrow->setObjectName(QStringLiteral("rightArrow"));

    auto* deviceColumn = new QVBoxLayout();
    deviceColumn->addStretch(4);
    deviceColumn->addSpacing(16);
    deviceColumn->addLayout(createDeviceBox());
    deviceColumn->addStretch(6);

    auto* row = new QHBoxLayout();
    row->addSpacing(kArrowMargin);
    row->addLayout(createArrowColumn(m_leftArrow));
    row->addStretch(1);
    row->addLayout(deviceColumn);
    row->addStretch(1);
    row->addLayout(createArrowColumn(m_rightArrow));
    row->addSpacing(kArrowMargin);
    return row;
}

QVBoxLayout* VisibleDevicesWidget::createArrowColumn(FlatImageButton* arrow)
{
    auto* column = new QVBoxLayout();
    column->addStrut(kArrowStrut);
    column->addStretch();
    column->addWidget(arrow, 0, Qt::AlignCenter);
    column->addStretch();
    return column;
}

QVBoxLayout* VisibleDevicesWidget::createDeviceBox()
{
    m_pictureButton = new FlatImageButton(this);
    m_pictureButton->setObjectName(QStringLiteral("pictureButton"));
    m_nameLabel = centredLabel(CommonGui::kFontSubtitle, ColourPalette::kMilkGray, this, "deviceName");
    DeviceText::makePlain(m_nameLabel);

    m_pages = new QStackedWidget(this);
    m_pages->insertWidget(NoDevicePage, createNoDevicePage());
    m_pages->insertWidget(DevicePage, createDevicePage());
    m_pages->insertWidget(UpdatePage, createUpdatePage());

    auto* box = new QVBoxLayout();
    box->addWidget(m_pictureButton, 0, Qt::AlignHCenter);
    box->addSpacing(25 - descent(m_nameLabel));
    box->addWidget(m_nameLabel, 0, Qt::AlignHCenter);
    box->addSpacing(8 - descent(m_nameLabel));
    box->addWidget(m_pages, 0, Qt::AlignHCenter);
    return box;
}

QWidget* VisibleDevicesWidget::createNoDevicePage()
{
    m_messageLabel = centredLabel(CommonGui::kFontBody, ColourPalette::kSmokeGray, this, "noDeviceMessage");
    m_messageLabel->setWordWrap(true);
    m_messageLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return m_messageLabel;
}

QWidget* VisibleDevicesWidget::createDevicePage()
{
    auto* page = new QWidget(this);
    m_connectionIcon = new QLabel(page);
    m_connectionIcon->setObjectName(QStringLiteral("connectionIcon"));
    // Without a picture the label is one line of text high: the line of the
    // model name beside it, not of the system font, which nothing else here
    // draws with and which would cost loading a face of its own.
    m_connectionIcon->setFont(CommonGui::font(CommonGui::kFontBody));
    m_modelName = centredLabel(CommonGui::kFontBody, ColourPalette::kWolfGray, page, "modelName");
    DeviceText::makePlain(m_modelName);

    auto* modelRow = new TightHBoxLayout();
    modelRow->addStretch();
    modelRow->addWidget(m_connectionIcon);
    modelRow->addWidget(m_modelName);
    modelRow->addStretch();

    m_setupButton = new FlatImageButton(QStringLiteral(":/Setup"), page);
    m_setupButton->setHoverImage(QStringLiteral(":/Setup_Hover"));
    m_setupButton->setObjectName(QStringLiteral("setupButton"));
    m_controlAppButton = new FlatImageButton(page);
    m_controlAppButton->setObjectName(QStringLiteral("controlAppButton"));
    m_controlAppButton->hide();

    m_buttonRow = new QHBoxLayout();
    m_buttonRow->setContentsMargins(0, 0, 0, 0);
    m_buttonRow->setSpacing(kButtonRowSpacing);
    m_buttonRow->addStretch();
    m_buttonRow->addWidget(m_setupButton);
    m_buttonRow->addStretch();

    auto* layout = new TightVBoxLayout(page);
    layout->addLayout(modelRow);
    layout->addSpacing(15 - descent(m_modelName));
    layout->addLayout(m_buttonRow);
    layout->addSpacing(20);
    return page;
}

QWidget* VisibleDevicesWidget::createUpdatePage()
{
    auto* page = new QWidget(this);
    page->setFixedSize(kUpdateAreaSize);
    m_currentVersion = centredLabel(CommonGui::kFontBody, ColourPalette::kWolfGray, page, "currentVersion");
    m_updateStatus = centredLabel(CommonGui::kFontBodySemibold, ColourPalette::kMilkGray, page, "updateStatus");
    m_availableVersion = centredLabel(CommonGui::kFontBody, ColourPalette::kWolfGray, page, "availableVersion");
    m_updateButton = new QPushButton(tr("Update Now"), page);
    m_updateButton->setObjectName(QStringLiteral("updateButton"));
    m_updateButton->setFont(CommonGui::font(CommonGui::kFontBody));

    auto* layout = new TightVBoxLayout(page);
    layout->addWidget(m_currentVersion);
    layout->addWidget(m_updateStatus);
    layout->addWidget(m_availableVersion);
    layout->addSpacing(8);
    layout->addWidget(m_updateButton, 0, Qt::AlignHCenter);
    layout->addStretch();
    return page;
}

QVBoxLayout* VisibleDevicesWidget::createSummaryArea()
{
    auto* area = new QVBoxLayout();
    area->setContentsMargins(0, 0, 0, 0);
    area->addSpacing(40);
    m_summaryLayout = new QVBoxLayout();
    m_summaryLayout->setContentsMargins(0, 0, 0, 0);
    area->addLayout(m_summaryLayout);
    area->addSpacing(20);
    return area;
}

void VisibleDevicesWidget::connectSignals()
{
    connect(m_pictureButton, &FlatImageButton::clicked, this, &VisibleDevicesWidget::onDeviceClicked);
    connect(m_setupButton, &FlatImageButton::clicked, this, &VisibleDevicesWidget::onDeviceClicked);
    connect(m_controlAppButton, &FlatImageButton::clicked, this, &VisibleDevicesWidget::onControlAppClicked);
    connect(m_updateButton, &QPushButton::clicked, this, &VisibleDevicesWidget::onUpdateButtonClicked);
    connect(m_leftArrow, &FlatImageButton::clicked, this, &VisibleDevicesWidget::onLeftClicked);
    connect(m_rightArrow, &FlatImageButton::clicked, this, &VisibleDevicesWidget::onRightClicked);
    connect(&m_deviceList, &DeviceList::deviceListAdded, this, &VisibleDevicesWidget::onDeviceListChanged);
    connect(&m_deviceList, &DeviceList::deviceListRemoved, this, &VisibleDevicesWidget::onDeviceListChanged);
    connect(&m_deviceList, &DeviceList::deviceListSelected, this, &VisibleDevicesWidget::onDeviceListChanged);
    connect(&m_deviceList, &DeviceList::deviceListChanged, this, &VisibleDevicesWidget::onDeviceListChanged);
}

// The keys work wherever the focus is in the window, as long as the gallery is
// on screen: Left and Right step through the devices, Enter opens the current one.
void VisibleDevicesWidget::createShortcuts()
{
    const auto add = [this](const QKeySequence& keys, void (VisibleDevicesWidget::*slot)()) {
        auto* shortcut = new QShortcut(keys, this, nullptr, nullptr, Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, slot] {
            if (isVisible())
                (this->*slot)();
        });
    };
    add(QKeySequence(Qt::Key_Left), &VisibleDevicesWidget::onLeftClicked);
    add(QKeySequence(Qt::Key_Right), &VisibleDevicesWidget::onRightClicked);
    add(QKeySequence(Qt::Key_Return), &VisibleDevicesWidget::onDeviceClicked);
    add(QKeySequence(Qt::Key_Enter), &VisibleDevicesWidget::onDeviceClicked);
}

void VisibleDevicesWidget::nameForAssistiveTechnology()
{
    setAccessibleName(tr("Gallery"));
    m_leftArrow->setAccessibleName(tr("Previous device"));
    m_rightArrow->setAccessibleName(tr("Next device"));
    m_pictureButton->setAccessibleName(tr("Open device"));
    m_setupButton->setAccessibleName(tr("Setup"));
    m_controlAppButton->setAccessibleName(tr("Control application"));
}

void VisibleDevicesWidget::updateDeviceDisplay()
{
    detachSummaryWidget();
    VisibleDevice* device = m_deviceList.getCurrentDevice();
    m_shownDevice = device;
    if (!device) {
        showNoDevice();
        return;
    }
    setContentWidth(kDeviceWidth);
    const int index = m_deviceList.getCurrentDeviceIndex();
    if (index < 0)
        return;

    m_pictureButton->setImage(device->modelImage());
    showDeviceName(device);
    showControlAppButton(device);
    if (device->firmwareUpdateOnly())
        showUpdateOnlyDevice(device);
    else
        showConfigurableDevice(device);
    showArrows(index, m_deviceList.numberOfDevice());
}

void VisibleDevicesWidget::detachSummaryWidget()
{
    if (!m_summaryWidget)
        return;
    m_summaryWidget->hide();
    m_summaryLayout->removeWidget(m_summaryWidget);
    m_summaryWidget->setParent(nullptr);
    m_summaryWidget = nullptr;
}

void VisibleDevicesWidget::showNoDevice()
{
    setContentWidth(kNoDeviceWidth);
    m_pictureButton->setImage(m_noDeviceImage);
    m_pictureButton->setEnabled(false);
    m_nameLabel->setText(AppDefaults::noDeviceHeader());
    m_messageLabel->setText(AppDefaults::noDeviceMessage());
    m_pages->setCurrentIndex(NoDevicePage);
    m_leftArrow->hide();
    m_rightArrow->hide();
}

void VisibleDevicesWidget::setContentWidth(int width)
{
    m_nameLabel->setFixedWidth(width);
    m_messageLabel->setFixedWidth(width);
    m_pages->setFixedWidth(width);
}

void VisibleDevicesWidget::showDeviceName(VisibleDevice* device)
{
    m_nameLabel->setText(DeviceText::elided(device->deviceName(), m_nameLabel->font(), m_nameLabel->width()));
}

void VisibleDevicesWidget::showControlAppButton(VisibleDevice* device)
{
    m_buttonRow->removeWidget(m_controlAppButton);
    if (!device->hasControlApp()) {
        m_controlAppButton->hide();
        return;
    }
    m_controlAppButton->setImage(device->controlAppIcon());
    m_controlAppButton->setHoverImage(device->controlAppIconHover());
    m_buttonRow->insertWidget(m_buttonRow->indexOf(m_setupButton) + 1, m_controlAppButton);
    m_controlAppButton->show();
}

void VisibleDevicesWidget::showConfigurableDevice(VisibleDevice* device)
{
    m_pictureButton->setEnabled(true);
    m_pages->setCurrentIndex(DevicePage);
    showConnectionAndModel(device);
    m_setupButton->setVisible(device->shouldShowSetup());
    attachSummaryWidget(device);
}

void VisibleDevicesWidget::showConnectionAndModel(VisibleDevice* device)
{
    const QPixmap icon = device->launcherConnectionIcon();
    int allowance = kDeviceWidth;
    if (icon.isNull()) {
        m_connectionIcon->hide();
    } else {
        const int iconWidth = logicalSize(icon).width() + kIconGap;
        m_connectionIcon->setPixmap(icon);
        m_connectionIcon->setFixedWidth(iconWidth);
        m_connectionIcon->show();
        allowance -= iconWidth;
    }

    const QString model = DeviceText::oneLine(device->modelName());
    const QString shown = DeviceText::elided(model, m_modelName->font(), allowance);
    m_modelName->setFixedWidth(shown == model ? QFontMetrics(m_modelName->font()).horizontalAdvance(model) : allowance);
    m_modelName->setText(shown);
}

void VisibleDevicesWidget::attachSummaryWidget(VisibleDevice* device)
{
    QWidget* summary = device->summaryWidget();
    if (!summary)
        return;
    summary->setParent(this);
    m_summaryLayout->addWidget(summary, 0, Qt::AlignTop | Qt::AlignHCenter);
    summary->show();
    m_summaryWidget = summary;
}

void VisibleDevicesWidget::showUpdateOnlyDevice(VisibleDevice* device)
{
    m_pictureButton->setEnabled(false);
    m_pages->setCurrentIndex(UpdatePage);
    m_currentVersion->setText(device->currentFirmwareString());
    const bool available = device->firmwareUpdateAvailable();
    m_updateStatus->setText(available ? tr("Software update available.") : tr("Software is up to date."));
    m_availableVersion->setText(available ? device->availableFirmwareString() : QString());
    m_availableVersion->setVisible(available);
    m_updateButton->setVisible(available);
}

void VisibleDevicesWidget::showArrows(int index, int count)
{
    m_leftArrow->setVisible(index >= 1);
    m_rightArrow->setVisible(index < count - 1);
}
