#include "CardFooter.h"

#include "CardPopupMenu.h"
#include "ColourPalette.h"
#include "CommonGui.h"
#include "FlatImageButton.h"
#include "SettingsPage.h"

#include <QHBoxLayout>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

namespace {

constexpr int kCornerRadius = 10;

QPushButton* footerButton(const QString& text, bool primary, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setFont(CommonGui::font(CommonGui::kFontBodySemibold));
    button->setFixedSize(104, 30);
    button->setFocusPolicy(Qt::NoFocus);
    const QColor background = primary ? ColourPalette::kAccentColour : ColourPalette::kMilkGray;
    const QColor text_ = primary ? QColor(Qt::white) : ColourPalette::kStormGray;
    button->setStyleSheet(QStringLiteral("QPushButton { color: %1; background: %2; border: 1px solid %3;"
                                         " border-radius: 4px; }"
                                         "QPushButton:disabled { color: %4; background: %5; border-color: %5; }")
                              .arg(text_.name(), background.name(),
                                   background.darker(115).name(),
                                   ColourPalette::kWolfGray.name(),
                                   ColourPalette::kMilkGray.name()));
    return button;
}

} // namespace

CardFooter::CardFooter(QWidget* parent)
    : QWidget(parent)
    , m_settings(new FlatImageButton(QStringLiteral(":/Settings"), this))
    , m_menu(new CardPopupMenu(this))
    , m_cancel(footerButton(tr("Cancel"), false, this))
    , m_save(footerButton(tr("Save"), true, this))
{
    setFixedHeight(kHeight);
    // The footer takes the focus when "Save" is pressed, to end any edit.
    setFocusPolicy(Qt::StrongFocus);
    m_settings->setPressedImage(QStringLiteral(":/Settings_Push"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(24, 0, 24, 0);
    layout->setSpacing(12);
    layout->addWidget(m_settings);
    layout->addStretch();
    layout->addWidget(m_cancel);
    layout->addWidget(m_save);

    connect(m_settings, &QAbstractButton::clicked, this, &CardFooter::onSettingsClicked);
    connect(m_cancel, &QPushButton::clicked, this, &CardFooter::cancelPressed);
    connect(m_save, &QPushButton::clicked, this, &CardFooter::savePressed);
    connect(m_menu, &CardPopupMenu::menuOptionPressed, this, &CardFooter::menuOptionPressed);
}

void CardFooter::onSettingsClicked()
{
    m_menu->raiseMenuAbove(m_settings, QPoint(0, -5));
}

void CardFooter::setSettingsStatus(int status)
{
    m_save->setEnabled(status != SettingsPage::Invalid);
}

void CardFooter::setIsImmediateApply(bool immediate)
{
    m_save->setVisible(immediate);
    m_cancel->setVisible(immediate);
}

void CardFooter::setSettingsButtonVisible(bool visible)
{
    m_settings->setVisible(visible);
}

void CardFooter::addSettingsOption(const QString& text, int id)
{
    m_menu->addOption(text, id, false);
}

void CardFooter::clearSettingsMenu()
{
    m_menu->clear();
}

void CardFooter::setDeviceHasNoSettings()
{
    m_save->setText(tr("Close"));
    m_cancel->hide();
}

void CardFooter::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, ColourPalette::kMilkGray);
    gradient.setColorAt(1, ColourPalette::kBonesGray);
    // Square top corners, rounded bottom ones, to close the card's body.
    QPainterPath path;
    path.addRoundedRect(rect(), kCornerRadius, kCornerRadius);
    path.addRect(0, 0, width(), kCornerRadius);
    painter.fillPath(path.simplified(), gradient);
}
