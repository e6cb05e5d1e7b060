// Lays every rendered 1x picture out on one PNG for review:
//   lumaris-contact-sheet <pictures dir> <out.png>
// Each folder of the pictures dir is one section. Pictures of an "on-light"
// folder sit on the white body of the product card, all others on the window's
// dark page colour.

#include "ContactSheet.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QRegularExpression>

#include <algorithm>
#include <cstdio>

namespace {

const QColor kDarkBackdrop(31, 31, 31);
const QColor kLightBackdrop(255, 255, 255);

// Numbers compare by value, so that Busy_Frame_2 comes before Busy_Frame_10.
QString sortKey(QString name)
{
    static const QRegularExpression number(QStringLiteral("[0-9]+"));
    QRegularExpressionMatchIterator it = number.globalMatch(name);
    int shift = 0;
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        const QString padded = match.captured().rightJustified(8, QLatin1Char('0'));
        name.replace(match.capturedStart() + shift, match.capturedLength(), padded);
        shift += padded.size() - match.capturedLength();
    }
    return name;
}

QVector<ContactSheet::Picture> readPictures(const QDir& folder)
{
    QStringList files = folder.entryList({QStringLiteral("*.png")}, QDir::Files);
    files.erase(std::remove_if(files.begin(), files.end(),
                               [](const QString& f) { return f.endsWith(QLatin1String("@2x.png")); }),
                files.end());
    std::sort(files.begin(), files.end(),
              [](const QString& a, const QString& b) { return sortKey(a) < sortKey(b); });

    QVector<ContactSheet::Picture> pictures;
    for (const QString& file : files)
        pictures.append({file.chopped(4), QImage(folder.filePath(file))});
    return pictures;
}

QStringList pictureFolders(const QString& root)
{
    QStringList folders;
    QDirIterator it(root, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString folder = it.next();
        if (!QDir(folder).entryList({QStringLiteral("*.png")}, QDir::Files).isEmpty())
            folders.append(folder);
    }
    folders.sort();
    return folders;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: lumaris-contact-sheet <pictures dir> <out.png>\n");
        return 2;
    }
    QFontDatabase::addApplicationFont(QStringLiteral(":/Fonts/OpenSans-Regular.ttf"));
    QFontDatabase::addApplicationFont(QStringLiteral(":/Fonts/OpenSans-Semibold.ttf"));

    const QDir root(QFileInfo(args[1]).absoluteFilePath());
    ContactSheet sheet(1600);
    for (const QString& folder : pictureFolders(root.path())) {
        const bool onLight = folder.endsWith(QLatin1String("on-light"));
        sheet.addSection(root.relativeFilePath(folder) + (onLight ? QStringLiteral("  (on the card's white body)") : QString()),
                         onLight ? kLightBackdrop : kDarkBackdrop, readPictures(QDir(folder)));
    }
    if (!sheet.render().save(args[2], "PNG")) {
        std::fprintf(stderr, "lumaris-contact-sheet: cannot write %s\n", qPrintable(args[2]));
        return 1;
    }
    return 0;
}
