#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// Finds the picture resource names (":/Name") that the program's sources load,
// and reads the other places that name pictures: a plain list of extra names and
// the picture-set words of the product line.
namespace PictureNameScanner {

// Names in string literals of one source text, comments left out; "Name_%1"
// stands for a numbered series and becomes Name_1 .. Name_12.
QSet<QString> namesInSource(const QString& source);

// namesInSource over every .cpp and .h below a folder.
QSet<QString> namesInTree(const QString& folder);

// One name per line; blank lines and lines starting with '#' are skipped.
QSet<QString> namesInList(const QString& text);

// W, WThumb and WListThumb for every set word W of the "Picture sets" table.
QSet<QString> productPictureNames(const QString& productLineMarkdown);

} // namespace PictureNameScanner
