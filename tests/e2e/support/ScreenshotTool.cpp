#include "ScreenshotTool.h"

#include "ProbedApp.h"

#include <QCoreApplication>

#include <cstdio>

namespace ScreenshotTool {

bool fail(const QString& what)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()), qPrintable(what));
    return false;
}

bool step(ProbedApp& app, const QDir& output, const QString& line)
{
    const QString verb = line.section(QLatin1Char(' '), 0, 0);
    const QString command = line.section(QLatin1Char(' '), 1, 1);
    const QString text = line.section(QLatin1Char(' '), 2);
    if (verb == QLatin1String("wait") || verb == QLatin1String("gone")) {
        return app.waitForText(command, text, verb == QLatin1String("wait"), 20000);
    }
    if (verb == QLatin1String("grab") || verb == QLatin1String("card-grab-tab")) {
        const QString file = output.absoluteFilePath(line.section(QLatin1Char(' '), 1));
        return app.waitForSteadyWindow() && app.command(QStringLiteral("settle")).contains("ok")
            && app.command(verb + QLatin1Char(' ') + file).contains("ok");
    }
    return !app.command(line, 30000).contains("error");
}

bool steps(ProbedApp& app, const QDir& output, const QStringList& lines)
{
    for (const QString& line : lines) {
        if (!step(app, output, line))
            return fail(line + QStringLiteral(" failed; the program says: ") + app.standardError().right(2000));
    }
    return true;
}

bool shoot(const QString& profile, int rows, const QDir& output, const QStringList& lines)
{
    ProbedApp app;
    QString error;
    if (!app.start(profile, &error))
        return fail(error);
    return steps(app, output, QStringList{QStringLiteral("wait-rows %1").arg(rows)} + lines);
}

int run(int argc, char** argv, const std::function<bool(const QDir&)>& save)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 2 || !QDir().mkpath(arguments.at(1) + QStringLiteral("/whole"))) {
        fail(QStringLiteral("usage: %1 OUTPUT_DIRECTORY").arg(app.applicationName()));
        return 2;
    }
    return save(QDir(arguments.at(1))) ? 0 : 1;
}

} // namespace ScreenshotTool
