#include "LabelledImage.h"

#include "ColourPalette.h"
#include "CommonGui.h"

#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace {

QLabel* createCentredLabel(const QString& objectName, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

void setTextStyle(QLabel* label, int fontStyle, const QColor& colour)
{
    label->setFont(CommonGui::font(fontStyle));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

} // namespace

LabelledImage::LabelledImage(QWidget* parent)
    : QFrame(parent)
{
    createLabels();
    createLayout();
}

void LabelledImage::createLabels()
{
    m_image = createCentredLabel(QStringLiteral("image"), this);
    m_bold = createCentredLabel(QStringLiteral("boldLabel"), this);
    m_info = createCentredLabel(QStringLiteral("infoLabel"), this);
    setTextStyle(m_bold, CommonGui::kFontBodySemibold, ColourPalette::kBonesGray);
    setTextStyle(m_info, CommonGui::kFontSmall, ColourPalette::kSmokeGray);
}

void LabelledImage::createLayout()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(11);
    layout->addWidget(m_image, 0, Qt::AlignHCenter);
    layout->addWidget(m_bold, 0, Qt::AlignHCenter);
    layout->addWidget(m_info, 0, Qt::AlignHCenter);
}

void LabelledImage::setImage(const QString& resource)
{
    // Refreshes repeat the same picture; reloading it would only re-layout.
    if (resource == m_imageResource)
        return;
    m_imageResource = resource;
    m_image->setPixmap(resource.isEmpty() ? QPixmap() : CommonGui::pixmap(resource));
}

void LabelledImage::setBoldLabel(const QString& text)
{
    m_bold->setText(text);
}

void LabelledImage::setInfoLabel(const QString& text)
{
    m_info->setText(text);
}

QString LabelledImage::image() const
{
    return m_imageResource;
}

QString LabelledImage::boldLabel() const
{
    return m_bold->text();
}

QString LabelledImage::infoLabel() const
{
    return m_info->text();
}
