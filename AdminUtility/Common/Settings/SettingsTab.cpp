#include "SettingsTab.h"

#include "CardBookmark.h"
#include "CardPopupMenu.h"
#include "CardScrollArea.h"
#include "CardSection.h"
#include "CardSeparator.h"
#include "ColourPalette.h"
#include "CommonGui.h"
#include "FlatImageButton.h"
#include "ImageGroupButton.h"
#include "RolloverIcon.h"
#include "RolloverIconCallout.h"
#include "SettingsAlertAndResponse.h"
#include "SettingsCheckBox.h"
#include "SettingsComboBox.h"
#include "SettingsLabel.h"
#include "SettingsLineEdit.h"
#include "SettingsPage.h"
#include "SettingsRadioButton.h"
#include "SettingsSlider.h"
#include "SettingsSliderValue.h"
#include "SettingsSliderWithEditableValue.h"
#include "TightHBoxLayout.h"
#include "TightVBoxLayout.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

constexpr int kHeaderHeight = 40;
constexpr int kGridLabelWidth = 190;
constexpr int kEndSpace = 36;

QString pushButtonStyle()
{
    return QStringLiteral("QPushButton { color: %1; background: %2; border: 1px solid %3; border-radius: 3px;"
                          " padding: 2px 12px; }"
                          "QPushButton:pressed { background: %3; }"
                          "QPushButton:disabled { color: %4; }")
        .arg(ColourPalette::kStormGray.name(),
             ColourPalette::kMilkGray.name(),
             ColourPalette::kBonesGray.name(),
             ColourPalette::kWolfGray.name());
}

QPushButton* pushButton(const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setFont(CommonGui::font(CommonGui::kFontBody));
    button->setStyleSheet(pushButtonStyle());
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedHeight(25);
    button->adjustSize();
    return button;
}

} // namespace

SettingsTab::SettingsTab(QWidget* parent)
    : QWidget(parent)
    , m_outerLayout(new TightVBoxLayout(this))
    , m_scrollArea(new CardScrollArea(this))
    , m_column(new QWidget)
{
    m_defaultGrid = GridSettings::labelled();
    m_outerLayout->addWidget(m_scrollArea);
    m_columnLayout = new TightVBoxLayout(m_column);
    m_scrollArea->setWidget(m_column);
    // By name: a plain rule would reach every control in the column.
    m_column->setObjectName(QStringLiteral("settingsTabColumn"));
    m_scrollArea->setStyleSheet(QStringLiteral("QScrollArea, #settingsTabColumn { background: white; }"));
}

void SettingsTab::setSettingsStatus(int status)
{
    if (status == m_settingsStatus)
        return;
    m_settingsStatus = status;
    emit settingsStatusChanged();
}

// --- Placing rows ------------------------------------------------------------

QWidget* SettingsTab::createSpacer(int pixels)
{
    auto* spacer = new QWidget(m_column);
    spacer->setFixedHeight(pixels);
    return spacer;
}

// The space or line that goes before a row of the given kind; null for none.
QWidget* SettingsTab::addingRow(RowKind kind)
{
    QWidget* before = nullptr;
    switch (kind) {
    case kRowLabelledControl:
        if (m_previousRowKind != kRowSection && !m_rowGroupOpen)
            before = createSpacer(kRowSpacing);
        break;
    case kRowBookmark: {
        const bool dark = m_previousRowKind == kRowFullWidthSeparator;
        before = new CardSeparator(dark ? CardSeparator::kDark : CardSeparator::kHairline,
                                   dark ? kRowWidth : CardSection::kHairlineWidth, m_column);
        break;
    }
    default:
        break;
    }
    m_previousRowKind = kind;
    return before;
}

void SettingsTab::insertIntoColumn(QWidget* widget, bool isRow)
{
    if (m_activeSection)
        m_activeSection->addRowWidget(widget, isRow);
    else
        m_columnLayout->addWidget(widget);
}

void SettingsTab::insertRow(QWidget* row, RowKind kind)
{
    if (QWidget* before = addingRow(kind)) {
        insertIntoColumn(before, false);
        m_rowSpacers.insert(row, before);
    }
    insertIntoColumn(row, true);
    m_rows.insert(row);
}

QLabel* SettingsTab::addRowLabel(QWidget* row, const QString& text)
{
    auto* label = new SettingsLabel(text, row, ColourPalette::kFoggyGray);
    label->setFixedWidth(kLabelWidth);
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    label->move(kLabelX, 7);
    return label;
}

QWidget* SettingsTab::addLabelledControlRow(const QString& label, int height)
{
    auto* row = new QWidget(m_column);
    row->setFixedSize(kRowWidth, height);
    if (!label.isEmpty())
        addRowLabel(row, label);
    insertRow(row, kRowLabelledControl);
    return row;
}

// --- Labelled rows -------------------------------------------------------------

SettingsLabel* SettingsTab::addLabelRow(const QString& label, const QString& text)
{
    QWidget* row = addLabelledControlRow(label, 31);
    auto* value = new SettingsLabel(text, row);
    value->setFixedWidth(kRowWidth - kControlX - kLabelX);
    value->move(kControlX, 7);
    return value;
}

SettingsLineEdit* SettingsTab::addLineEditRow(const QString& label, int kind)
{
    QWidget* row = addLabelledControlRow(label, 31);
    auto* edit = new SettingsLineEdit(row);
    edit->move(kControlX, 3);
    if (kind == kNonEmptyText || kind == kIpAddress)
        edit->setStandardVerifier(kind);
    watchLineEdit(edit);
    return edit;
}

QButtonGroup* SettingsTab::beginRadioGroup(const QString& label)
{
    m_radioRow = addLabelledControlRow(label, 31);
    m_radioGroup = new QButtonGroup(m_radioRow);
    m_radioY = 8;
    connect(m_radioGroup, &QButtonGroup::idClicked, this, &SettingsTab::onAnyControlChanged);
    return m_radioGroup;
}

SettingsRadioButton* SettingsTab::addRadioButtonRow(const QString& text, int id)
{
    if (!m_radioGroup)
        return nullptr;
    auto* button = new SettingsRadioButton(text, m_radioRow);
    button->move(kControlX, m_radioY);
    m_radioY += kRadioStep;
    m_radioGroup->addButton(button, id);
    m_radioRow->setFixedHeight(m_radioY + 1);
    return button;
}

void SettingsTab::endRadioGroup()
{
    if (m_radioRow)
        m_radioRow->setFixedHeight(m_radioY + 1);
    m_radioRow = nullptr;
    m_radioGroup = nullptr;
}

QPushButton* SettingsTab::addPushButtonRow(const QString& label, const QString& text)
{
    QWidget* row = addLabelledControlRow(label, 31);
    QPushButton* button = pushButton(text, row);
    button->move(kControlX, 3);
    connect(button, &QPushButton::clicked, this, &SettingsTab::onAnyControlChanged);
    return button;
}

// A push button in the card's accent look, for an action rather than a setting.
QPushButton* SettingsTab::addCardPushButtonRow(const QString& label, const QString& text)
{
    QPushButton* button = addPushButtonRow(label, text);
    button->setStyleSheet(pushButtonStyle() + QStringLiteral("QPushButton { color: %1; border-color: %1; }")
                                                  .arg(ColourPalette::kAccentColour.name()));
    return button;
}

SettingsCheckBox* SettingsTab::addCheckBoxRow(const QString& label, const QString& text)
{
    QWidget* row = addLabelledControlRow(label, 32);
    auto* box = new SettingsCheckBox(text, row);
    box->move(kControlX - 1, 5);
    connect(box, &QCheckBox::clicked, this, &SettingsTab::onAnyControlChanged);
    return box;
}

SettingsComboBox* SettingsTab::addComboBoxRow(const QString& label, int width)
{
    QWidget* row = addLabelledControlRow(label, 31);
    auto* combo = new SettingsComboBox(row, width);
    combo->move(kControlX, 3);
    connect(combo, qOverload<int>(&QComboBox::activated), this, &SettingsTab::onAnyControlChanged);
    return combo;
}

SettingsSlider* SettingsTab::addSliderRow(const QString& label, int minimum, int maximum)
{
    return addSliderRowAndValue(label, minimum, maximum, nullptr);
}

SettingsSlider* SettingsTab::addSliderRowAndValue(const QString& label, int minimum, int maximum,
                                                  SettingsSliderValue** value)
{
    QWidget* row = addLabelledControlRow(label, 38);
    auto* slider = new SettingsSlider(row);
    slider->setRange(minimum, maximum);
    slider->move(kControlX, 7);
    auto* shown = new SettingsSliderValue(row);
    shown->move(550, 7);
    shown->setValue(slider->value());
    connect(slider, &QSlider::valueChanged, shown, &SettingsSliderValue::setValue);
    connect(slider, &QSlider::actionTriggered, this, &SettingsTab::onAnyControlChanged);
    if (value)
        *value = shown;
    return slider;
}

SettingsSliderWithEditableValue* SettingsTab::addSliderRowWithEditableValue(const QString& label, double minimum,
                                                                            double maximum, int decimals,
                                                                            const QString& units,
                                                                            bool defaultEnabled,
                                                                            double defaultValue)
{
    QWidget* row = addLabelledControlRow(label, 31);
    auto* slider = new SettingsSliderWithEditableValue(row);
    slider->move(kControlX, -2);
    slider->setDecimalPlaces(decimals);
    slider->setMinimum(minimum);
    slider->setMaximum(maximum);
    slider->setLabel(units);
    slider->setDefaultEnabled(defaultEnabled);
    slider->setDefaultValue(defaultValue);
    connect(slider, qOverload<>(&SettingsSliderWithEditableValue::valueChanged), this,
            &SettingsTab::onAnyControlChanged);
    return slider;
}

SliderLink* SettingsTab::linkSliders(SettingsSliderWithEditableValue* a, SettingsSliderWithEditableValue* b,
                                     SliderLink::Type type)
{
    auto* link = new SliderLink(a, b, type, m_column);
    link->show();
    return link;
}

SettingsAlertAndResponse* SettingsTab::addAlert(const QString& label, const QString& text,
                                                const QString& buttonText, bool alarmed)
{
    QWidget* row = addLabelledControlRow(label, 31);
    auto* status = new SettingsLabel(QString(), row);
    status->move(214, 6);
    QPushButton* button = pushButton(buttonText, row);
    button->setFixedSize(114, 25);
    button->move(476, 3);
    connect(button, &QPushButton::clicked, this, &SettingsTab::onAnyControlChanged);
    auto* alert = new SettingsAlertAndResponse(status, button, row);
    alert->setAlarmed(alarmed, text);
    return alert;
}

// --- Grid groups -------------------------------------------------------------------

QButtonGroup* SettingsTab::beginGridGroup(const QString& label, const GridSettings& grid, bool exclusive)
{
    QWidget* row = addLabelledControlRow(QString(), 31);
    row->setFixedHeight(QWIDGETSIZE_MAX);
    row->setMinimumHeight(0);
    auto* line = new TightHBoxLayout(row);
    if (!label.isEmpty()) {
        auto* labelColumn = new QWidget(row);
        labelColumn->setFixedWidth(kGridLabelWidth);
        QLabel* text = addRowLabel(labelColumn, label);
        text->move(kLabelX, grid.labelTopMargin - 8 + grid.verticalMargin);
        // The column has no layout of its own: without a height it would hide its label.
        labelColumn->setMinimumHeight(text->y() + text->sizeHint().height());
        line->addWidget(labelColumn, 0, Qt::AlignTop);
    }
    auto* gridWidget = new QWidget(row);
    gridWidget->setFixedWidth(label.isEmpty() ? kRowWidth : kRowWidth - kGridLabelWidth);
    auto* layout = new QGridLayout(gridWidget);
    layout->setHorizontalSpacing(grid.horizontalSpacing);
    layout->setVerticalSpacing(grid.verticalSpacing);
    layout->setAlignment(Qt::Alignment(grid.alignment));
    layout->setContentsMargins(label.isEmpty() ? grid.horizontalMargin : 15, grid.verticalMargin,
                               grid.horizontalMargin, grid.verticalMargin);
    line->addWidget(gridWidget);
    m_grid = GridGroup{row, layout, new QButtonGroup(row), 0, 0};
    m_grid.buttons->setExclusive(exclusive);
    return m_grid.buttons;
}

void SettingsTab::placeInGrid(QWidget* widget, int row, int column)
{
    m_grid.layout->addWidget(widget, row, column, Qt::AlignLeft | Qt::AlignTop);
}

void SettingsTab::endGridGroup()
{
    if (!m_grid.frame)
        return;
    m_grid.frame->setFixedHeight(m_grid.frame->sizeHint().height());
    m_grid = GridGroup{};
}

QButtonGroup* SettingsTab::addRadioButtonGroup(const QString& label, const QList<SettingsRadioButton**>& buttons,
                                               const QStringList& texts, const QList<int>& ids, int buttonsPerLine)
{
    QButtonGroup* group = beginRadioGroupWithGridLayout(label);
    const int perLine = qMax(1, buttonsPerLine);
    for (int i = 0; i < texts.size(); ++i) {
        auto* button = new SettingsRadioButton(texts.at(i), m_grid.frame);
        group->addButton(button, ids.value(i, i));
        placeInGrid(button, i / perLine, i % perLine);
        if (SettingsRadioButton** out = buttons.value(i))
            *out = button;
    }
    const bool oneLine = texts.size() <= perLine;
    QWidget* frame = m_grid.frame;
    QGridLayout* layout = m_grid.layout;
    endRadioGroupWithGridLayout();
    if (oneLine) {
        layout->setContentsMargins(layout->contentsMargins().left(), 3, layout->contentsMargins().right(), 0);
        frame->setFixedHeight(31);
    }
    return group;
}

QButtonGroup* SettingsTab::beginRadioGroupWithGridLayout(const QString& label)
{
    GridSettings grid = m_defaultGrid;
    grid.verticalSpacing = 4;
    grid.verticalMargin = 5;
    grid.labelTopMargin = 10;
    QButtonGroup* group = beginGridGroup(label, grid, true);
    connect(group, &QButtonGroup::idClicked, this, &SettingsTab::onAnyControlChanged);
    return group;
}

SettingsRadioButton* SettingsTab::addRadioButtonRowToGrid(const QString& text, int id)
{
    if (!m_grid.frame)
        return nullptr;
    auto* button = new SettingsRadioButton(text, m_grid.frame);
    m_grid.buttons->addButton(button, id);
    placeInGrid(button, m_grid.row++, 0);
    return button;
}

void SettingsTab::endRadioGroupWithGridLayout()
{
    endGridGroup();
}

QButtonGroup* SettingsTab::beginCheckBoxGroup(const QString& label)
{
    GridSettings grid = m_defaultGrid;
    grid.verticalSpacing = 4;
    grid.verticalMargin = 5;
    grid.labelTopMargin = 10;
    QButtonGroup* group = beginGridGroup(label, grid, false);
    // Without a label the boxes line up with the other rows' controls.
    if (label.isEmpty()) {
        const QMargins margins = m_grid.layout->contentsMargins();
        m_grid.layout->setContentsMargins(kControlX - 1, margins.top(), margins.right(), margins.bottom());
    }
    m_checkBoxGridLayouts.append(m_grid.layout);
    return group;
}

QList<SettingsCheckBox*> SettingsTab::addCheckBoxGroupRow(const QString& text1, const QString& text2)
{
    QList<SettingsCheckBox*> boxes;
    if (!m_grid.frame)
        return boxes;
    for (const QString& text : {text1, text2}) {
        if (text.isEmpty())
            continue;
        auto* box = new SettingsCheckBox(text, m_grid.frame);
        m_grid.buttons->addButton(box);
        connect(box, &QCheckBox::clicked, this, &SettingsTab::onAnyControlChanged);
        placeInGrid(box, m_grid.row, boxes.size());
        boxes.append(box);
    }
    ++m_grid.row;
    return boxes;
}

void SettingsTab::endCheckBoxGroup()
{
    endGridGroup();
}

QButtonGroup* SettingsTab::addCheckBoxGroup(const QString& label, const QList<SettingsCheckBox**>& boxes,
                                            const QStringList& texts, int boxesPerLine)
{
    QButtonGroup* group = beginCheckBoxGroup(label);
    const int perLine = qMax(1, boxesPerLine);
    for (int i = 0; i < texts.size(); ++i) {
        auto* box = new SettingsCheckBox(texts.at(i), m_grid.frame);
        group->addButton(box);
        connect(box, &QCheckBox::clicked, this, &SettingsTab::onAnyControlChanged);
        placeInGrid(box, i / perLine, i % perLine);
        if (SettingsCheckBox** out = boxes.value(i))
            *out = box;
    }
    const bool oneLine = texts.size() <= perLine;
    QWidget* frame = m_grid.frame;
    endCheckBoxGroup();
    if (oneLine)
        frame->setFixedHeight(31);
    return group;
}

QButtonGroup* SettingsTab::beginImageButtonGroup(const QString& label, const GridSettings& grid)
{
    QButtonGroup* group = beginGridGroup(label, grid, true);
    m_imageButtonGridLayouts.append(m_grid.layout);
    connectImageGroup(group);
    return group;
}

QButtonGroup* SettingsTab::beginImageButtonGroup(const GridSettings& grid)
{
    return beginImageButtonGroup(QString(), grid);
}

void SettingsTab::connectImageGroup(QButtonGroup* group)
{
    connect(group, &QButtonGroup::idClicked, this, &SettingsTab::onAnyControlChanged);
    connect(group, qOverload<QAbstractButton*, bool>(&QButtonGroup::buttonToggled), this, &SettingsTab::onImageGroupButtonToggled);
}

void SettingsTab::addImageButtonGroupRow(const QVector<QPixmap>& pictures, const QList<int>& ids,
                                         const QStringList& captions, bool enabled)
{
    if (!m_grid.frame)
        return;
    for (int i = 0; i < pictures.size(); ++i) {
        auto* button = new ImageGroupButton(pictures.at(i), captions.value(i), m_grid.frame);
        button->setEnabled(enabled);
        m_grid.buttons->addButton(button, ids.value(i, i));
        placeInGrid(button, m_grid.row, i);
    }
    ++m_grid.row;
}

void SettingsTab::endImageButtonGroup()
{
    endGridGroup();
}

// In an exclusive group the newly checked button alone is drawn selected.
void SettingsTab::onImageGroupButtonToggled(QAbstractButton* button, bool checked)
{
    QButtonGroup* group = button->group();
    if (!checked || !group || !group->exclusive())
        return;
    for (QAbstractButton* other : group->buttons()) {
        if (auto* picture = qobject_cast<ImageGroupButton*>(other))
            picture->setDrawnSelected(other == button);
    }
}

QButtonGroup* SettingsTab::addImageGroup(const QString& label, const QVector<QPixmap>& pictures,
                                         const QStringList& captions, const QList<int>& ids,
                                         const GridSettings& grid)
{
    QButtonGroup* group = beginImageButtonGroup(label, grid);
    addImageButtonGroupRow(pictures, ids, captions, true);
    endImageButtonGroup();
    return group;
}

QButtonGroup* SettingsTab::addImageButtonGroup(const QString& label, const QVector<QPixmap>& pictures,
                                               const QStringList& captions, const QList<int>& ids)
{
    return addImageGroup(label, pictures, captions, ids, GridSettings::labelled());
}

QButtonGroup* SettingsTab::addPlainImageButtonGroup(const QVector<QPixmap>& pictures, const QStringList& captions,
                                                    const QList<int>& ids)
{
    return addImageGroup(QString(), pictures, captions, ids, GridSettings::plain());
}

QButtonGroup* SettingsTab::addImageButtonGroup(const QString& label, const QVector<QPixmap>& pictures,
                                               const QStringList& captions, const QList<int>& ids,
                                               const GridSettings& grid)
{
    return addImageGroup(label, pictures, captions, ids, grid);
}

QButtonGroup* SettingsTab::addPlainImageButtonGroup(const QVector<QPixmap>& pictures, const QStringList& captions,
                                                    const QList<int>& ids, const GridSettings& grid)
{
    return addImageGroup(QString(), pictures, captions, ids, grid);
}

// Columns as wide as the widest of that column in any of the grids.
void SettingsTab::alignGrids(const QList<QGridLayout*>& grids, bool align)
{
    QVector<int> widths;
    for (QGridLayout* grid : grids) {
        for (int column = 0; column < grid->columnCount(); ++column) {
            if (widths.size() <= column)
                widths.resize(column + 1);
            for (int row = 0; row < grid->rowCount(); ++row) {
                if (QLayoutItem* item = grid->itemAtPosition(row, column))
                    widths[column] = qMax(widths[column], item->sizeHint().width());
            }
        }
    }
    for (QGridLayout* grid : grids) {
        for (int column = 0; column < grid->columnCount(); ++column)
            grid->setColumnMinimumWidth(column, align ? widths.value(column) : 0);
    }
}

void SettingsTab::alignCheckBoxGroups(bool align)
{
    alignGrids(m_checkBoxGridLayouts, align);
}

void SettingsTab::alignImageButtonGroups(bool align)
{
    alignGrids(m_imageButtonGridLayouts, align);
}

// --- Sections, header, bookmarks -------------------------------------------------

CardSection* SettingsTab::addSection(const QString& title)
{
    return addSection(new CardSection(title, m_column));
}

CardSection* SettingsTab::addSection(CardSection* section)
{
    section->setLeadingSeparator(!m_sections.isEmpty());
    m_columnLayout->addWidget(section);
    m_sections.append(section);
    m_activeSection = section;
    m_previousRowKind = kRowSection;
    return section;
}

void SettingsTab::showSection(CardSection* section, bool shown)
{
    if (section)
        section->setVisible(shown);
}

void SettingsTab::setActiveSection(CardSection* section)
{
    m_activeSection = section;
    if (section)
        m_previousRowKind = section->hasRows() ? kRowLabelledControl : kRowSection;
}

FlatImageButton* SettingsTab::addSectionButton(CardSection* section, const QString& picture)
{
    const QPixmap image = CommonGui::pixmap(picture);
    auto* button = new FlatImageButton(CommonGui::createTransparentIcon(image, 0.5), section);
    button->setHoverImage(image);
    button->setCheckedImage(image);
    section->setTitleButton(button);
    return button;
}

void SettingsTab::addHeader(const QString& title, const QString& picturePath, bool withBookmarks)
{
    auto* header = new QWidget(this);
    header->setFixedHeight(kHeaderHeight);
    CommonGui::fillBackground(header, Qt::white);
    int titleX = kLabelX;
    if (!picturePath.isEmpty()) {
        auto* picture = new QLabel(header);
        picture->setPixmap(CommonGui::pixmap(picturePath));
        picture->move(0, 11);
        titleX = 62;
    }
    QLabel* text = CommonGui::label(title, CommonGui::kFontLargeSemibold, header, ColourPalette::kStormGray);
    text->setTextFormat(Qt::PlainText);
    text->move(titleX, 8);
    if (withBookmarks) {
        m_bookmarkButton = pushButton(tr("Jump to"), header);
        m_bookmarkButton->move(439, 8);
        m_bookmarkMenu = new CardPopupMenu(this);
        m_bookmarkMenu->setMinimumWidth(145);
        connect(m_bookmarkButton, &QPushButton::clicked, this, &SettingsTab::onRaiseBookmarkMenu);
        connect(m_bookmarkMenu, &CardPopupMenu::menuOptionPressed, this, &SettingsTab::onBookmarkSelected);
    }
    m_outerLayout->insertWidget(0, header);
    m_outerLayout->insertWidget(1, new CardSeparator(CardSeparator::kDark, 0, this));
}

CardBookmark* SettingsTab::addBookmark(const QString& title)
{
    if (!m_bookmarkMenu)
        return nullptr;
    auto* bookmark = new CardBookmark(title, m_column);
    insertRow(bookmark, kRowBookmark);
    m_bookmarkMenu->addOption(title, m_bookmarks.size());
    m_bookmarks.append(bookmark);
    return bookmark;
}

QWidget* SettingsTab::addFullWidthSeparator()
{
    auto* line = new CardSeparator(CardSeparator::kDark, kRowWidth, m_column);
    insertRow(line, kRowFullWidthSeparator);
    return line;
}

QWidget* SettingsTab::addMessageRow(const QString& text, const QVector<QPixmap>& pictures, bool emphasised)
{
    auto* row = new QWidget(m_column);
    row->setFixedWidth(kRowWidth);
    auto* layout = new QVBoxLayout(row);
    layout->setContentsMargins(kLabelX, 6, kLabelX, 6);
    auto* message = new SettingsLabel(text, row, emphasised ? ColourPalette::kAccentColour : QColor());
    message->setWordWrap(true);
    layout->addWidget(message);
    auto* pictureLine = new QHBoxLayout;
    for (const QPixmap& picture : pictures) {
        auto* label = new QLabel(row);
        label->setPixmap(picture);
        pictureLine->addWidget(label);
    }
    pictureLine->addStretch();
    layout->addLayout(pictureLine);
    insertRow(row, kRowLabelledControl);
    return row;
}

void SettingsTab::beginRowGroup()
{
    m_rowGroupOpen = true;
}

void SettingsTab::endRowGroup()
{
    m_rowGroupOpen = false;
}

void SettingsTab::decorateRowWidgetWithRolloverIcon(QWidget* widget, const QString& picture, const QString& text)
{
    QWidget* row = widget ? widget->parentWidget() : nullptr;
    if (!row)
        return;
    auto* icon = new RolloverIcon(CommonGui::pixmap(picture), text, row, this);
    icon->adjustSize();
    icon->move(widget->geometry().right() + 10, widget->y() + (widget->height() - icon->height()) / 2);
}

void SettingsTab::onBookmarkSelected(int index)
{
    if (CardBookmark* bookmark = m_bookmarks.value(index))
        m_scrollArea->verticalScrollBar()->setValue(bookmark->mapTo(m_column, QPoint(0, 0)).y());
}

void SettingsTab::onRaiseBookmarkMenu()
{
    if (m_bookmarkMenu && m_bookmarkButton)
        m_bookmarkMenu->raiseMenuBelow(m_bookmarkButton, QPoint(0, m_bookmarkButton->height()));
}

// --- Rows after building ----------------------------------------------------------

QWidget* SettingsTab::findRowContaining(QWidget* widget) const
{
    for (QWidget* w = widget; w && w != m_column; w = w->parentWidget()) {
        if (m_rows.contains(w))
            return w;
    }
    return nullptr;
}

void SettingsTab::showRowContaining(QWidget* widget, bool shown)
{
    QWidget* row = findRowContaining(widget);
    if (!row)
        return;
    row->setVisible(shown);
    if (QWidget* spacer = m_rowSpacers.value(row))
        spacer->setVisible(shown);
}

void SettingsTab::setEnabledRowContaining(QWidget* widget, bool enabled)
{
    if (QWidget* row = findRowContaining(widget))
        row->setEnabled(enabled);
}

void SettingsTab::removeRowContaining(QWidget* widget)
{
    QWidget* row = findRowContaining(widget);
    if (!row)
        return;
    for (CardSection* section : qAsConst(m_sections))
        section->forgetRow(row);
    m_watchedLineEdits.erase(std::remove_if(m_watchedLineEdits.begin(), m_watchedLineEdits.end(),
                                            [row](SettingsLineEdit* edit) { return row->isAncestorOf(edit); }),
                             m_watchedLineEdits.end());
    // The grids die with the row and must not be aligned afterwards.
    const auto inRow = [row](QGridLayout* grid) { return row->isAncestorOf(grid->parentWidget()); };
    m_checkBoxGridLayouts.erase(std::remove_if(m_checkBoxGridLayouts.begin(), m_checkBoxGridLayouts.end(), inRow),
                                m_checkBoxGridLayouts.end());
    m_imageButtonGridLayouts.erase(
        std::remove_if(m_imageButtonGridLayouts.begin(), m_imageButtonGridLayouts.end(), inRow),
        m_imageButtonGridLayouts.end());
    m_rows.remove(row);
    delete m_rowSpacers.take(row);
    delete row;
}

void SettingsTab::addRowSpacer(int pixels)
{
    insertIntoColumn(createSpacer(pixels), false);
}

void SettingsTab::endSettingsTab()
{
    m_activeSection = nullptr;
    m_columnLayout->addSpacing(kEndSpace);
    m_columnLayout->addStretch();
}

// --- Status ----------------------------------------------------------------------

void SettingsTab::watchLineEdit(SettingsLineEdit* edit)
{
    connect(edit, &QLineEdit::textEdited, this, &SettingsTab::onLineEditChanged);
    m_watchedLineEdits.append(edit);
}

void SettingsTab::onTabSelected()
{
}

void SettingsTab::onTabDeselected()
{
}

void SettingsTab::onAnyControlChanged()
{
    if (m_settingsStatus == SettingsPage::Unchanged)
        setSettingsStatus(SettingsPage::Changed);
}

void SettingsTab::onLineEditChanged()
{
    auto* edit = qobject_cast<SettingsLineEdit*>(sender());
    if (edit && !edit->isAcceptable()) {
        setSettingsStatus(SettingsPage::Invalid);
        return;
    }
    checkLineEditInvalidStatus();
    onAnyControlChanged();
}

void SettingsTab::checkLineEditInvalidStatus()
{
    if (m_settingsStatus != SettingsPage::Invalid)
        return;
    for (const SettingsLineEdit* edit : qAsConst(m_watchedLineEdits)) {
        if (!edit->isAcceptable())
            return;
    }
    setSettingsStatus(SettingsPage::Changed);
}
