#pragma once

#include <QList>
#include <QMetaType>
#include <QString>

// The product line as docs/product-line.md writes it down: the program's tables
// and the simulator's default fleet are checked against it.
struct ProductLineModel
{
    int id = -1;
    QString name;
    QString pictureSet;  // "none": no picture entry; "-": an entry without pictures
    QString notes;

    bool hasNote(const QString& note) const { return notes.contains(note); }
    // A name given in the notes as ' LABEL "NAME"', or empty.
    QString quotedNote(const QString& label) const;
};
Q_DECLARE_METATYPE(ProductLineModel)

namespace ProductLine {

QList<ProductLineModel> models();
// The model ids of the simulator's default fleet.
QList<int> defaultFleet();

} // namespace ProductLine
