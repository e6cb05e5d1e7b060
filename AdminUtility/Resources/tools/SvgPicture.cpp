#include "SvgPicture.h"

#include <QFile>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QXmlStreamReader>

namespace {

// Whole pixels only ("48" or "48px"): a fractional size could not be drawn sharply.
int parsePixels(const QStringRef& text)
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*([0-9]+)(px)?\\s*$"));
    const QRegularExpressionMatch match = pattern.match(text.toString());
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

} // namespace

bool SvgPicture::load(const QString& path, QString* errorString)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *errorString = file.errorString();
        return false;
    }
    m_data = file.readAll();
    if (!readSize(errorString))
        return false;
    if (!QSvgRenderer(m_data).isValid()) {
        *errorString = QStringLiteral("not a valid SVG document");
        return false;
    }
    return true;
}

bool SvgPicture::readSize(QString* errorString)
{
    QXmlStreamReader xml(m_data);
    while (!xml.atEnd() && !xml.isStartElement())
        xml.readNext();
    if (xml.name() != QLatin1String("svg")) {
        *errorString = QStringLiteral("the root element is not <svg>");
        return false;
    }
    const QXmlStreamAttributes attributes = xml.attributes();
    m_size = QSize(parsePixels(attributes.value(QLatin1String("width"))),
                   parsePixels(attributes.value(QLatin1String("height"))));
    if (m_size.width() <= 0 || m_size.height() <= 0) {
        *errorString = QStringLiteral("the <svg> element needs width and height in whole pixels");
        return false;
    }
    return true;
}

QImage SvgPicture::render(int scale) const
{
    QImage image = renderAt(m_size * scale);
    image.setDevicePixelRatio(scale);
    return image;
}

QImage SvgPicture::renderAt(const QSize& pixels) const
{
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(m_data);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(image.size())));
    painter.end();
    return image;
}
