#include "FastPngWriter.h"

#include <QSaveFile>

#include <png.h>

namespace {

void writeToFile(png_structp png, png_bytep data, png_size_t length)
{
    auto* file = static_cast<QSaveFile*>(png_get_io_ptr(png));
    if (file->write(reinterpret_cast<const char*>(data), qint64(length)) != qint64(length))
        png_error(png, "write failed");
}

void flushNothing(png_structp) {}

// libpng reports errors by longjmp; nothing with a destructor lives in this frame.
bool encode(png_structp png, png_infop info, const QImage& rgba)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_compression_level(png, 9);
    png_set_IHDR(png, info, png_uint_32(rgba.width()), png_uint_32(rgba.height()), 8, PNG_COLOR_TYPE_RGBA,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < rgba.height(); ++y)
        png_write_row(png, rgba.constScanLine(y));
    png_write_end(png, info);
    return true;
}

} // namespace

bool FastPngWriter::write(const QImage& image, const QString& path)
{
    if (image.isNull())
        return false;
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    bool written = false;
    if (info) {
        png_set_write_fn(png, &file, writeToFile, flushNothing);
        written = encode(png, info, rgba);
    }
    png_destroy_write_struct(&png, info ? &info : nullptr);
    return written && file.commit();
}
