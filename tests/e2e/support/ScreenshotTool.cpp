#include "ScreenshotTool.h"

#include <QCoreApplication>

#include <cstdio>

namespace ScreenshotTool {

bool fail(const QString& what)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()), qPrintable(what));
    return false;
}

bool ok(const QJsonObject& answer, const QString& what)
{
    return !answer.contains(QStringLiteral("error")) || fail(what + ": " + answer.value("error").toString());
}

int run(int argc, char** argv, const std::function<bool(const QString&)>& save)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 2) {
        fail(QStringLiteral("usage: %1 OUTPUT_DIRECTORY").arg(app.applicationName()));
        return 2;
    }
    return save(arguments.at(1)) ? 0 : 1;
}

} // namespace ScreenshotTool
