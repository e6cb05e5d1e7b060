// Saves the gallery and the list of the default fleet as PNG files, for the
// documentation, and the same views with device labels that hold markup or
// 255 characters: `lumaris-view-screenshots OUTPUT_DIRECTORY`.
#include "ProbedApp.h"
#include "ScreenshotTool.h"

#include <QDir>
#include <QElapsedTimer>
#include <QJsonObject>
#include <QThread>

namespace {

using ScreenshotTool::fail;
using ScreenshotTool::ok;

constexpr int kDefaultFleetDevices = 11;
constexpr int kHostileDevices = 3;

// The window widens in an animation when the list needs room; wait until it rests.
bool waitForSteadyWindow(ProbedApp& app)
{
    QElapsedTimer waited;
    waited.start();
    int lastWidth = -1;
    int steadyLooks = 0;
    while (waited.elapsed() < 10000 && steadyLooks < 5) {
        const QJsonObject window = app.command("snapshot").value("window").toObject();
        const int width = window.value("width").toInt();
        steadyLooks = width == lastWidth && window.value("minimumWidth").toInt() <= width ? steadyLooks + 1 : 0;
        lastWidth = width;
        QThread::msleep(100);
    }
    return steadyLooks >= 5 || fail(QStringLiteral("the window kept changing size"));
}

// The device with markup in its label, then the one with 255 characters, then both in the list.
bool saveHostile(const QDir& output)
{
    ProbedApp app(QStringLiteral(LUMARIS_BIN_DIR), QStringLiteral(LUMARIS_PROBE_LIBRARY));
    QString error;
    if (!app.start(QStringLiteral(LUMARIS_TEST_PROFILES "/views-hostile.json"), &error))
        return fail(error);
    return ok(app.command(QStringLiteral("wait-rows %1").arg(kHostileDevices), 20000), "hostile labels")
        && waitForSteadyWindow(app)
        && ok(app.command("grab " + output.absoluteFilePath("gallery-markup-label.png")), "markup label")
        && ok(app.command("dot 1"), "long label") && waitForSteadyWindow(app)
        && ok(app.command("grab " + output.absoluteFilePath("gallery-long-label.png")), "long label")
        && ok(app.command("show-list"), "list view") && waitForSteadyWindow(app)
        && ok(app.command("grab " + output.absoluteFilePath("list-hostile-labels.png")), "list");
}

bool save(const QString& directory)
{
    ProbedApp app(QStringLiteral(LUMARIS_BIN_DIR), QStringLiteral(LUMARIS_PROBE_LIBRARY));
    QString error;
    if (!app.start(QString(), &error))
        return fail(error);
    const QDir output(directory);
    return ok(app.command(QStringLiteral("wait-rows %1").arg(kDefaultFleetDevices), 20000), "default fleet")
        && waitForSteadyWindow(app)
        && ok(app.command("grab " + output.absoluteFilePath("gallery.png")), "gallery")
        && ok(app.command("show-list"), "list view") && waitForSteadyWindow(app)
        && ok(app.command("grab " + output.absoluteFilePath("list.png")), "list") && saveHostile(output);
}

} // namespace

int main(int argc, char** argv)
{
    return ScreenshotTool::run(argc, argv, save);
}
