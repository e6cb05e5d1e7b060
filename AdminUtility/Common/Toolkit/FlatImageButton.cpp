#include "FlatImageButton.h"

#include "ColourPalette.h"
#include "CommonGui.h"

#include <QEvent>
#include <QFocusEvent>
#include <QPainter>

#include <cmath>

FlatImageButton::FlatImageButton(QWidget* parent)
    : QAbstractButton(parent)
{
}

FlatImageButton::FlatImageButton(const QPixmap& image, QWidget* parent)
    : QAbstractButton(parent)
{
    setImage(image);
}

FlatImageButton::FlatImageButton(const QString& resourceName, QWidget* parent)
    : QAbstractButton(parent)
{
    setImage(resourceName);
}

void FlatImageButton::setImage(const QPixmap& image)
{
    m_image = image;
    resizeToFit();
    update();
}

void FlatImageButton::setImage(const QString& resourceName)
{
    setImage(CommonGui::pixmap(resourceName));
}

void FlatImageButton::setDisabledImage(const QPixmap& image)
{
    m_disabledImage.set(image);
    update();
}

void FlatImageButton::setDisabledImage(const QString& resourceName)
{
    m_disabledImage.set(resourceName);
    update();
}

void FlatImageButton::setHoverImage(const QPixmap& image)
{
    m_hoverImage.set(image);
    update();
}

void FlatImageButton::setHoverImage(const QString& resourceName)
{
    m_hoverImage.set(resourceName);
    update();
}

void FlatImageButton::setHoverBackgroundImage(const QPixmap& image)
{
    m_hoverBackgroundImage.set(image);
    update();
}

void FlatImageButton::setHoverBackgroundImage(const QString& resourceName)
{
    m_hoverBackgroundImage.set(resourceName);
    update();
}

void FlatImageButton::setPressedImage(const QPixmap& image)
{
    m_pressedImage.set(image);
    update();
}

void FlatImageButton::setPressedImage(const QString& resourceName)
{
    m_pressedImage.set(resourceName);
    update();
}

void FlatImageButton::setCheckedImage(const QPixmap& image)
{
    m_checkedImage.set(image);
    update();
}

void FlatImageButton::setCheckedImage(const QString& resourceName)
{
    m_checkedImage.set(resourceName);
    update();
}

void FlatImageButton::resizeToFit()
{
    // A missing picture keeps whatever size the button has, so that a lost
    // resource does not also make the button impossible to reach.
    if (m_image.isNull())
        return;
    const qreal ratio = m_image.devicePixelRatio();
    setFixedSize(int(std::lround(m_image.width() / ratio)), int(std::lround(m_image.height() / ratio)));
}

QSize FlatImageButton::sizeHint() const
{
    if (m_image.isNull())
        return QAbstractButton::sizeHint();
    return m_image.size() / m_image.devicePixelRatio();
}

bool FlatImageButton::isHovered() const
{
    return m_pointerInside && !m_hoverSuppressed;
}

bool FlatImageButton::hoverBackgroundShown() const
{
    return isEnabled() && isHovered() && !m_hoverBackgroundImage.isNull();
}

QPixmap FlatImageButton::currentImage() const
{
    if (!isEnabled())
        return m_disabledImage.isNull() ? m_image : m_disabledImage.pixmap();
    if (isDown() && !m_pressedImage.isNull())
        return m_pressedImage.pixmap();
    if (isHovered() && !m_hoverImage.isNull())
        return m_hoverImage.pixmap();
    if (isChecked() && !m_checkedImage.isNull())
        return m_checkedImage.pixmap();
    return m_image;
}

void FlatImageButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (hoverBackgroundShown())
        painter.drawPixmap(0, 0, m_hoverBackgroundImage.pixmap());
    const QPixmap picture = currentImage();
    if (!picture.isNull())
        painter.drawPixmap(0, 0, picture);
    if (focusCueShown())
    {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(ColourPalette::kAccentColour, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 3, 3);
    }
}

bool FlatImageButton::focusCueShown() const
{
    return m_keyboardFocus && hasFocus();
}

void FlatImageButton::focusInEvent(QFocusEvent* event)
{
    const Qt::FocusReason reason = event->reason();
    m_keyboardFocus = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason
        || reason == Qt::ShortcutFocusReason;
    QAbstractButton::focusInEvent(event);
    update();
}

void FlatImageButton::focusOutEvent(QFocusEvent* event)
{
    m_keyboardFocus = false;
    QAbstractButton::focusOutEvent(event);
    update();
}

void FlatImageButton::setPointerInside(bool inside)
{
    m_pointerInside = inside;
    m_hoverSuppressed = false;
    if (m_hoverImage.isSet() || m_hoverBackgroundImage.isSet())
        update();
}

void FlatImageButton::enterEvent(QEvent* event)
{
    setPointerInside(true);
    QAbstractButton::enterEvent(event);
}

void FlatImageButton::leaveEvent(QEvent* event)
{
    setPointerInside(false);
    QAbstractButton::leaveEvent(event);
}

bool FlatImageButton::event(QEvent* event)
{
    // A click on a button that has the focus from the keyboard takes the cue away.
    if (event->type() == QEvent::MouseButtonPress && m_keyboardFocus)
    {
        m_keyboardFocus = false;
        update();
    }
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::WindowDeactivate)
    {
        m_hoverSuppressed = true;
        update();
    }
    return QAbstractButton::event(event);
}
