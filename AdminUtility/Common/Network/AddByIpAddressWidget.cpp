#include "AddByIpAddressWidget.h"

#include "AppDefaults.h"
#include "BusyButton.h"
#include "ColourPalette.h"
#include "CommonGui.h"
#include "MainWindowDialogLineEdit.h"
#include "TightHBoxLayout.h"
#include "TightVBoxLayout.h"

#include <QLabel>
#include <QStackedWidget>

namespace
{
const QSize kPagesMinimumSize(390, 33);
const QSize kAddressLabelSize(126, 33);
const int kRowHeight = 33;
const int kLabelToField = 20;
const int kAfterField = 30;
const char* const kDefaultAddress = "127.0.0.1";
}

AddByIpAddressWidget::AddByIpAddressWidget(QWidget* parent)
    : MainWindowDialogWidget(parent)
{
    buildMe(tr("Add"), tr("Cancel"));
    connect(m_address, &QLineEdit::textChanged, this, &AddByIpAddressWidget::checkAddressValid);
    connect(m_address, &QLineEdit::returnPressed, this, &AddByIpAddressWidget::addDevice);
    connect(m_busy, &BusyButton::clicked, this, &AddByIpAddressWidget::busyWaitCancelled);
    setState(Entry);
}

void AddByIpAddressWidget::buildContents(TightVBoxLayout* layout)
{
    m_pages = new QStackedWidget(this);
    m_pages->setMinimumSize(kPagesMinimumSize);
    m_pages->addWidget(createEntryPage());
    m_pages->addWidget(createSearchingPage());
    m_pages->addWidget(createNotFoundPage());
    layout->addWidget(m_pages);
}

QWidget* AddByIpAddressWidget::createEntryPage()
{
    auto* page = new QWidget(this);
    auto* row = new TightHBoxLayout(page);
    QLabel* label = CommonGui::label(tr("IP address:"), CommonGui::kFontBody, page, ColourPalette::kWinterSkyGray);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setFixedSize(kAddressLabelSize);
    m_address = new MainWindowDialogLineEdit(page);
    m_address->setStandardVerifier(MainWindowDialogLineEdit::IpAddress);
    m_address->setFixedHeight(kRowHeight);
    m_address->setText(QLatin1String(kDefaultAddress));
    row->addWidget(label);
    row->addSpacing(kLabelToField);
    row->addWidget(m_address, 1);
    row->addSpacing(kAfterField);
    return page;
}

QWidget* AddByIpAddressWidget::createSearchingPage()
{
    auto* page = new QWidget(this);
    auto* row = new TightHBoxLayout(page);
    m_busy = new BusyButton(page);
    m_searchingStatus = createStatusLabel(page);
    row->addStretch();
    row->addWidget(m_busy, 0, Qt::AlignVCenter);
    row->addSpacing(kLabelToField);
    row->addWidget(m_searchingStatus);
    row->addStretch();
    return page;
}

QWidget* AddByIpAddressWidget::createNotFoundPage()
{
    auto* page = new QWidget(this);
    auto* row = new TightHBoxLayout(page);
    m_notFoundStatus = createStatusLabel(page);
    row->addWidget(m_notFoundStatus);
    return page;
}

// The status repeats the typed address: plain text, whatever was typed.
QLabel* AddByIpAddressWidget::createStatusLabel(QWidget* parent)
{
    QLabel* label = CommonGui::label(QString(), CommonGui::kFontBody, parent, ColourPalette::kWinterSkyGray);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    label->setFixedHeight(kRowHeight);
    return label;
}

QString AddByIpAddressWidget::address() const
{
    return m_address->text();
}

QString AddByIpAddressWidget::statusText() const
{
    if (m_state == Searching)
        return m_searchingStatus->text();
    return m_state == NotFound ? m_notFoundStatus->text() : QString();
}

QString AddByIpAddressWidget::withAddress(const QString& message) const
{
    return message.contains(QLatin1String("%1")) ? message.arg(address()) : message;
}

void AddByIpAddressWidget::setState(State state)
{
    m_state = state;
    switch (state) {
    case Entry:
        m_busy->setBusy(false);
        m_pages->setCurrentIndex(Entry);
        checkAddressValid();
        break;
    case Searching:
        m_searchingStatus->setText(withAddress(AppDefaults::addByIpAddressSearchMessage()));
        m_busy->setBusy(true);
        m_pages->setCurrentIndex(Searching);
        setAddButtonEnabled(false);
        break;
    case NotFound:
        m_notFoundStatus->setText(withAddress(AppDefaults::addByIpAddressFailedMessage()));
        m_busy->setBusy(false);
        m_pages->setCurrentIndex(NotFound);
        setAddButtonEnabled(false);
        break;
    case Added:
        m_busy->setBusy(false);
        onClosePressed();
        break;
    }
}

void AddByIpAddressWidget::aboutToShow()
{
    setState(Entry);
}

void AddByIpAddressWidget::checkAddressValid()
{
    if (m_state == Entry)
        setAddButtonEnabled(m_address->hasAcceptableInput());
}

void AddByIpAddressWidget::busyWaitCancelled()
{
    setState(Entry);
}

void AddByIpAddressWidget::onAddPressed()
{
    if (m_state == Entry && m_address->hasAcceptableInput())
        emit addDevice();
}
