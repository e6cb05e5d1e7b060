#include "CardHeader.h"

#include "ColourPalette.h"
#include "CommonGui.h"
#include "DeviceText.h"
#include "ElidedLabel.h"
#include "SecretButton.h"
#include "VisibleDevice.h"

#include <QLabel>

CardHeader::CardHeader(VisibleDevice* device, const QColor& accent, QWidget* parent)
    : QWidget(parent)
    , m_deviceName(new ElidedLabel(this))
    , m_modelName(CommonGui::label(QString(), CommonGui::kFontBody, this, ColourPalette::kFoggyGray))
    , m_thumbnail(new QLabel(this))
    , m_connectionIcon(new QLabel(this))
    , m_secret(new SecretButton(this))
{
    setObjectName(QStringLiteral("productCardTop"));
    setFixedSize(kWidth, kHeight);
    // Names come from the device: plain text only.
    m_deviceName->setTextFormat(Qt::PlainText);
    m_modelName->setTextFormat(Qt::PlainText);
    m_deviceName->setFont(CommonGui::font(CommonGui::kFontTitle));
    m_deviceName->setStyleSheet(QStringLiteral("color: %1;").arg(accent.darker(160).name()));
    m_deviceName->setGeometry(30, 18, kNameWidth, 44);
    m_modelName->setGeometry(30, 62, kNameWidth, 24);
    m_thumbnail->setGeometry(kWidth - 30 - 200, 8, 200, 90);
    m_thumbnail->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_secret->setGeometry(kWidth - 20, 0, 20, 20);
    connect(m_secret, &SecretButton::secretClick, this, &CardHeader::showEasterEgg);
    display(device);
}

void CardHeader::display(VisibleDevice* device)
{
    if (!device)
        return;
    // Both texts come from the device: one line each, never taller than the header allows.
    m_deviceName->setText(DeviceText::oneLine(device->deviceName()));
    m_modelName->setText(DeviceText::elided(device->modelName(), m_modelName->font(), kNameWidth));
    m_thumbnail->setPixmap(device->modelThumb());
    const QPixmap connection = device->cardConnectionIcon();
    m_connectionIcon->setVisible(!connection.isNull());
    int nameWidth = kNameWidth;
    if (!connection.isNull()) {
        m_connectionIcon->setPixmap(connection);
        const QSize size = connection.size() / connection.devicePixelRatio();
        m_connectionIcon->setGeometry(30, 18 + (44 - size.height()) / 2, size.width(), size.height());
        nameWidth -= size.width() + 8;
        m_deviceName->move(30 + size.width() + 8, 18);
    } else {
        m_deviceName->move(30, 18);
    }
    m_deviceName->setFixedWidth(nameWidth);
}

QString CardHeader::deviceNameText() const
{
    return m_deviceName->text();
}

QString CardHeader::modelNameText() const
{
    return m_modelName->text();
}
