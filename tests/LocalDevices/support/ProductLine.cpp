#include "ProductLine.h"

#include <QFile>
#include <QRegularExpression>

namespace {

// The cells of the rows of the table under the heading that starts with the
// given text, header row included.
QList<QStringList> tableRows(const QString& heading)
{
    QFile file(QStringLiteral(LUMARIS_PRODUCT_LINE));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QList<QStringList> rows;
    bool inSection = false;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("## ")))
            inSection = line.startsWith(heading);
        if (!inSection || !line.startsWith(QLatin1Char('|')) || line.startsWith(QLatin1String("|---")))
            continue;
        const QStringList cells = line.trimmed().split(QRegularExpression(QStringLiteral("\\s*\\|\\s*")));
        rows.append(cells.mid(1, cells.size() - 2));
    }
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
    for (const QStringList& cells : tableRows(QStringLiteral("## Models")).mid(1)) {
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
    for (const QStringList& cells : tableRows(QStringLiteral("## The simulator's default fleet")).mid(1))
        ids.append(cells.value(1).toInt());
    return ids;
}

} // namespace ProductLine
