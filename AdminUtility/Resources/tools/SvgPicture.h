#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// One SVG source of a picture resource: its size on a 1x screen, taken from the
// root element's width and height, and its rendering at any whole scale.
class SvgPicture
{
public:
    bool load(const QString& path, QString* errorString);

    QSize size() const { return m_size; }
    QImage render(int scale) const;
    // The whole picture stretched to the given pixels, at no device-pixel ratio.
    QImage renderAt(const QSize& pixels) const;

private:
    bool readSize(QString* errorString);

    QByteArray m_data;
    QSize m_size;
};
