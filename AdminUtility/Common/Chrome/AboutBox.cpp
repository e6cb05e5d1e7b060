#include "AboutBox.h"

#include "ColourPalette.h"
#include "CommonGui.h"

#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace
{
const QSize kSize(285, 288);
const int kMargin = 24;
const int kIconSpacing = 16;
}

AboutBox::AboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_icon(new QLabel(this))
    , m_title(addLabel(CommonGui::kFontLargeSemibold))
    , m_version(addLabel(CommonGui::kFontBody))
    , m_rights(addLabel(CommonGui::kFontSmall))
{
    setFixedSize(kSize);
    CommonGui::fillBackground(this, ColourPalette::kMilkGray);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->addStretch();
    m_icon->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_icon);
    layout->addSpacing(kIconSpacing);
    layout->addWidget(m_title);
    layout->addWidget(m_version);
    layout->addSpacing(kIconSpacing);
    layout->addWidget(m_rights);
    layout->addStretch();
}

void AboutBox::setIcon(const QPixmap& icon)
{
    m_icon->setPixmap(icon);
}

void AboutBox::setTitle(const QString& title)
{
    m_title->setText(title);
}

void AboutBox::setYear(const QString& year)
{
    m_rights->setText(tr("Copyright \u00a9 %1 Orvanta.\nAll rights reserved.").arg(year));
}

void AboutBox::setVersion(const QString& version)
{
    m_version->setText(tr("Version %1").arg(version));
}

QString AboutBox::titleText() const
{
    return m_title->text();
}

QString AboutBox::versionText() const
{
    return m_version->text();
}

QString AboutBox::rightsText() const
{
    return m_rights->text();
}

void AboutBox::mousePressEvent(QMouseEvent*)
{
    accept();
}

bool AboutBox::event(QEvent* event)
{
    if (event->type() == QEvent::WindowDeactivate && isVisible())
        accept();
    return QDialog::event(event);
}

QLabel* AboutBox::addLabel(int fontStyle)
{
    QLabel* label = CommonGui::label(QString(), fontStyle, this, ColourPalette::kWinterSkyGray);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    return label;
}
