#include "ConnectingStatusPage.h"

#include "BusyButton.h"
#include "ColourPalette.h"
#include "CommonGui.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

ConnectingStatusPage::ConnectingStatusPage(QWidget* parent)
    : StatusPage(parent)
    , m_message(CommonGui::label(QString(), CommonGui::kFontLarge, this, ColourPalette::kFoggyGray))
    , m_busy(new BusyButton(this))
{
    m_message->setTextFormat(Qt::PlainText);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(m_message, 0, Qt::AlignHCenter);
    layout->addWidget(m_busy, 0, Qt::AlignHCenter);
    layout->addWidget(cancel, 0, Qt::AlignHCenter);
    layout->addStretch();
    m_busy->setBusy(true);
    connect(m_busy, &QAbstractButton::clicked, this, &ConnectingStatusPage::connectionCancelled);
    connect(cancel, &QPushButton::clicked, this, &ConnectingStatusPage::connectionCancelled);
    setMessage(QString());
}

void ConnectingStatusPage::setMessage(const QString& text)
{
    m_message->setText(text.isEmpty() ? tr("Connecting...") : text);
}

QString ConnectingStatusPage::message() const
{
    return m_message->text();
}
