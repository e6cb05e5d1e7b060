#pragma once

#include <QPixmap>
#include <QString>

// A picture that may be given by its resource name and is then read only when
// first asked for. Most state pictures of a button (hover, pressed, checked,
// disabled) are never drawn in a session, or long after start.
class DeferredPixmap
{
public:
    void set(const QPixmap& pixmap);
    void set(const QString& resourceName);

    // The picture, read now if it was named and not read yet.
    const QPixmap& pixmap() const;
    bool isNull() const { return pixmap().isNull(); }
    // Whether a picture was given at all, without reading it.
    bool isSet() const { return !m_resourceName.isEmpty() || !m_pixmap.isNull(); }

private:
    mutable QString m_resourceName;
    mutable QPixmap m_pixmap;
};
