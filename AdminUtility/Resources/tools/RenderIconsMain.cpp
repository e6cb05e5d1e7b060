// Renders a square SVG picture into the application icons of a hicolor theme:
//   lumaris-render-icons <picture.svg> <hicolor-dir> <icon-name> <size>...
// writes <hicolor-dir>/<size>x<size>/apps/<icon-name>.png for every size.

#include "SvgPicture.h"

#include <QDir>
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

namespace {

int fail(const QString& message)
{
    std::fprintf(stderr, "lumaris-render-icons: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 5)
        return fail(QStringLiteral("usage: lumaris-render-icons <picture.svg> <hicolor-dir> <icon-name> <size>..."));

    SvgPicture picture;
    QString error;
    if (!picture.load(args[1], &error))
        return fail(args[1] + QStringLiteral(": ") + error);
    // A desktop stretches nothing: an icon that is not square would come out distorted.
    if (picture.size().width() != picture.size().height())
        return fail(args[1] + QStringLiteral(": an application icon must be square"));

    for (const QString& sizeText : args.mid(4)) {
        const int size = sizeText.toInt();
        if (size <= 0)
            return fail(QStringLiteral("not a size in pixels: %1").arg(sizeText));
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(args[2]).arg(size);
        const QString output = QStringLiteral("%1/%2.png").arg(folder, args[3]);
        if (!QDir().mkpath(folder) || !picture.renderAt(QSize(size, size)).save(output, "PNG"))
            return fail(output + QStringLiteral(": cannot be written"));
    }
    return 0;
}
