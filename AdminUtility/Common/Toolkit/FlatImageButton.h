#pragma once

#include "DeferredPixmap.h"

#include <QAbstractButton>
#include <QPixmap>
#include <QVariant>

// A button drawn only with pictures, one per state. Setting the normal
// picture sizes the button to it.
class FlatImageButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit FlatImageButton(QWidget* parent = nullptr);
    explicit FlatImageButton(const QPixmap& image, QWidget* parent = nullptr);
    explicit FlatImageButton(const QString& resourceName, QWidget* parent = nullptr);

    void setImage(const QPixmap& image);
    void setImage(const QString& resourceName);
    void setDisabledImage(const QPixmap& image);
    void setDisabledImage(const QString& resourceName);
    void setHoverImage(const QPixmap& image);
    void setHoverImage(const QString& resourceName);
    void setHoverBackgroundImage(const QPixmap& image);
    void setHoverBackgroundImage(const QString& resourceName);
    void setPressedImage(const QPixmap& image);
    void setPressedImage(const QString& resourceName);
    void setCheckedImage(const QPixmap& image);
    void setCheckedImage(const QString& resourceName);

    QPixmap image() const { return m_image; }

    void setData(const QVariant& data) { m_data = data; }
    QVariant data() const { return m_data; }

    // Fixes the size to the normal picture's size in device-independent pixels.
    void resizeToFit();

    // The picture painting would show in the current state (for the hover
    // background, see hoverBackgroundShown()).
    QPixmap currentImage() const;
    bool hoverBackgroundShown() const;
    // Focus that came from the keyboard is drawn; focus from a click is not.
    bool focusCueShown() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;

private:
    bool isHovered() const;
    void setPointerInside(bool inside);

    QPixmap m_image;
    // The other states' pictures are read when first drawn.
    DeferredPixmap m_disabledImage;
    DeferredPixmap m_hoverImage;
    DeferredPixmap m_hoverBackgroundImage;
    DeferredPixmap m_pressedImage;
    DeferredPixmap m_checkedImage;
    QVariant m_data;
    bool m_pointerInside = false;
    // After the window is (de)activated the pointer position we know may be
    // stale; no hover look until the pointer really enters or leaves again.
    bool m_hoverSuppressed = false;
    bool m_keyboardFocus = false;
};
