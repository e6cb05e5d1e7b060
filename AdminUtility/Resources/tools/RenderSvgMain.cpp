// Renders one SVG picture into the pixmaps that the resources hold:
//   lumaris-render-svg <picture.svg> <Name.png> <Name@2x.png>

#include "FastPngWriter.h"
#include "SvgPicture.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

namespace {

int fail(const QString& message)
{
    std::fprintf(stderr, "lumaris-render-svg: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    // Text inside a picture needs the font database, which needs a GUI application.
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4)
        return fail(QStringLiteral("usage: lumaris-render-svg <picture.svg> <Name.png> <Name@2x.png>"));

    SvgPicture picture;
    QString error;
    if (!picture.load(args[1], &error))
        return fail(args[1] + QStringLiteral(": ") + error);
    for (int scale = 1; scale <= 2; ++scale) {
        const QString& output = args[1 + scale];
        QDir().mkpath(QFileInfo(output).path());
        if (!FastPngWriter::write(picture.render(scale), output))
            return fail(output + QStringLiteral(": cannot be written"));
    }
    return 0;
}
