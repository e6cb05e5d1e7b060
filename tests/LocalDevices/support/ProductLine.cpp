#include "ProductLine.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

namespace {

QStringList documentLines()
{
    QFile file(QStringLiteral(LUMARIS_PRODUCT_LINE));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QStringList();
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
}

// The table rows below the heading that starts with the given text.
QList<QStringList> tableRows(const QString& heading)
{
    QList<QStringList> rows;
    bool inSection = false;
    for (const QString& line : documentLines()) {
        if (line.startsWith(QLatin1String("## ")))
            inSection = line.startsWith(heading);
        if (!inSection || !line.startsWith(QLatin1Char('|')) || line.startsWith(QLatin1String("|---")))
            continue;
        QStringList cells = line.split(QLatin1Char('|'));
        cells = cells.mid(1, cells.size() - 2);
        for (QString& cell : cells)
            cell = cell.trimmed();
        rows.append(cells);
    }
    if (!rows.isEmpty())
        rows.removeFirst();  // the header row
    return rows;
}

} // namespace

QString ProductLineModel::quotedNote(const QString& label) const
{
    const QRegularExpression pattern(QRegularExpression::escape(label) + QStringLiteral(" \"([^\"]*)\""));
    return pattern.match(notes).captured(1);
}

namespace ProductLine {

QList<ProductLineModel> models()
{
    QList<ProductLineModel> result;
    for (const QStringList& cells : tableRows(QStringLiteral("## Models"))) {
        if (cells.size() < 4)
            continue;
        ProductLineModel model;
        model.id = cells[0].toInt();
        model.name = cells[1] == QLatin1String("(empty)") ? QString() : cells[1];
        model.pictureSet = cells[2];
        model.notes = cells[3];
        result.append(model);
    }
    return result;
}

QList<int> defaultFleet()
{
    QList<int> ids;
    for (const QStringList& cells : tableRows(QStringLiteral("## The simulator's default fleet"))) {
        if (cells.size() >= 2)
            ids.append(cells[1].toInt());
    }
    return ids;
}

} // namespace ProductLine
