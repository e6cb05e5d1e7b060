#include "CommonDialogCard.h"

#include "BusyButton.h"
#include "CardPushButton.h"
#include "ColourPalette.h"
#include "CommonGui.h"

#include <QLabel>
#include <QProgressBar>

namespace
{
const int kTextLeft = 20;
const int kTextWidth = 440;
const QRect kTitleGeometry(kTextLeft, 35, kTextWidth, 33);
const QRect kBodyGeometry(kTextLeft, 62, kTextWidth, 64);
const QRect kSingleTextGeometry(kTextLeft, 62, kTextWidth, 53);
const QRect kProgressTextGeometry(kTextLeft, 124, kTextWidth, 33);
const int kButtonTop = 116;
const int kButtonWidth = 114;
const int kNoButtonLeft = 116;
const int kYesButtonLeft = 250;
const int kCloseButtonLeft = 183;
const int kProgressBarTop = 114;
const int kProgressBarHeight = 3;
const int kBusyButtonTop = 125;
}

CommonDialogCard::CommonDialogCard(int progressBarWidth, Qt::Alignment titleAlignment, QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(kWidth, kHeight);
    createTexts(titleAlignment);
    createButtons();
    createProgress(progressBarWidth);
    hideControls();
}

void CommonDialogCard::createTexts(Qt::Alignment titleAlignment)
{
    m_title = createLabel(CommonGui::kFontLarge, kTitleGeometry, titleAlignment);
    m_body = createLabel(CommonGui::kFontBody, kBodyGeometry, Qt::AlignHCenter | Qt::AlignTop);
    m_body->setWordWrap(true);
    m_singleText = createLabel(CommonGui::kFontLarge, kSingleTextGeometry, Qt::AlignCenter);
    m_singleText->setWordWrap(true);
    m_progressText = createLabel(CommonGui::kFontBody, kProgressTextGeometry, Qt::AlignCenter);
}

// Texts may name a device: always plain text.
QLabel* CommonDialogCard::createLabel(int style, const QRect& geometry, Qt::Alignment alignment)
{
    QLabel* label = CommonGui::label(QString(), style, this, ColourPalette::kWinterSkyGray);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment);
    label->setGeometry(geometry);
    label->hide();
    return label;
}

void CommonDialogCard::createButtons()
{
    m_no = createButton(tr("Cancel"), kNoButtonLeft);
    m_yes = createButton(tr("Accept"), kYesButtonLeft);
    m_close = createButton(tr("Close"), kCloseButtonLeft);
    connect(m_no, &CardPushButton::clicked, this, &CommonDialogCard::noClicked);
    connect(m_yes, &CardPushButton::clicked, this, &CommonDialogCard::yesClicked);
    connect(m_close, &CardPushButton::clicked, this, &CommonDialogCard::closeClicked);
}

CardPushButton* CommonDialogCard::createButton(const QString& text, int x)
{
    auto* button = new CardPushButton(text, this);
    button->setFixedWidth(kButtonWidth);
    button->move(x, kButtonTop);
    return button;
}

void CommonDialogCard::createProgress(int progressBarWidth)
{
    using namespace ColourPalette;
    m_progressBar = new QProgressBar(this);
    m_progressBar->setRange(0, 100);
    m_progressBar->setValue(0);
    m_progressBar->setTextVisible(false);
    m_progressBar->setGeometry((kWidth - progressBarWidth) / 2, kProgressBarTop, progressBarWidth,
                               kProgressBarHeight);
    m_progressBar->setStyleSheet(
        QStringLiteral("QProgressBar { border: none; background: %1 } QProgressBar::chunk { background-color: %2; }")
            .arg(kMilkGray.name(), kAccentColour.name()));

    m_busy = new BusyButton(this);
    m_busy->move((kWidth - m_busy->width()) / 2, kBusyButtonTop);
    connect(m_busy, &BusyButton::clicked, this, &CommonDialogCard::closeClicked);
}

void CommonDialogCard::hideControls()
{
    for (QWidget* control : {static_cast<QWidget*>(m_no), static_cast<QWidget*>(m_yes),
                             static_cast<QWidget*>(m_close), static_cast<QWidget*>(m_progressBar),
                             static_cast<QWidget*>(m_progressText), static_cast<QWidget*>(m_busy)})
        control->hide();
    m_busy->setBusy(false);
}

void CommonDialogCard::showTwoTexts(const QString& title, const QString& body)
{
    m_title->setText(title);
    m_body->setText(body);
    m_title->show();
    m_body->show();
    m_singleText->hide();
}

void CommonDialogCard::showOneText(const QString& text)
{
    m_title->hide();
    m_body->hide();
    m_singleText->setText(text);
    m_singleText->show();
}

void CommonDialogCard::showTwoButtons(const QString& noText, const QString& yesText)
{
    hideControls();
    m_no->setText(noText);
    m_yes->setText(yesText);
    m_no->show();
    m_yes->show();
}

void CommonDialogCard::showOneButton(const QString& text)
{
    hideControls();
    m_close->setText(text);
    m_close->show();
}

void CommonDialogCard::showBusyButton()
{
    hideControls();
    m_busy->show();
    m_busy->setBusy(true);
}

void CommonDialogCard::showProgressBar()
{
    hideControls();
    m_progressBar->show();
    m_progressText->show();
}

// A negative value means the updater cannot tell: the bar moves on its own.
void CommonDialogCard::setProgress(int percent)
{
    if (percent < 0) {
        if (m_indeterminate)
            return;
        m_indeterminate = true;
        m_progressBar->setRange(0, 0);
        m_progressText->setText(QStringLiteral("..."));
        return;
    }
    if (m_indeterminate) {
        m_indeterminate = false;
        m_progressBar->setRange(0, 100);
        m_progressBar->setValue(0);
    }
    const int shown = qMin(percent, 100);
    m_progressText->setText(QStringLiteral("%1%").arg(shown));
    m_progressBar->setValue(shown);
}
