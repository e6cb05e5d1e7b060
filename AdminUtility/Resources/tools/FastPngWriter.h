#pragma once

#include <QImage>
#include <QString>

// Writes the pictures the program reads at every start. Qt's writer lets libpng
// pick a row filter per row, and on our flat, rendered pictures it picks Paeth,
// whose undoing is most of the decoding time; unfiltered rows compress as small
// here and read in half the time.
class FastPngWriter
{
public:
    static bool write(const QImage& image, const QString& path);
};
