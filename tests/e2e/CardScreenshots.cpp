// Saves the product card of a default-fleet device, open on its About tab,
// as a PNG file for the documentation: `lumaris-card-screenshots OUTPUT_DIRECTORY`.
#include "ProbedApp.h"
#include "ScreenshotTool.h"

#include <QDir>
#include <QJsonObject>
#include <QTest>

namespace {

using ScreenshotTool::fail;
using ScreenshotTool::ok;

constexpr int kDefaultFleetDevices = 11;

bool cardOpen(ProbedApp& app)
{
    return QTest::qWaitFor([&app] { return app.command("card").value("open").toBool(); }, 10000)
        || fail(QStringLiteral("the card did not open"));
}

bool save(const QString& directory)
{
    ProbedApp app(QStringLiteral(LUMARIS_BIN_DIR), QStringLiteral(LUMARIS_PROBE_LIBRARY));
    QString error;
    if (!app.start(QString(), &error))
        return fail(error);
    const QDir output(directory);
    return ok(app.command(QStringLiteral("wait-rows %1").arg(kDefaultFleetDevices), 20000), "default fleet")
        && ok(app.command("open-gallery"), "setup button") && cardOpen(app)
        && ok(app.command("card-type 1 LX-4410-2207"), "serial number")
        && ok(app.command("card-type 2 Northgate Broadcast Supply"), "seller")
        && ok(app.command("card-type 4 sales@northgate.tv"), "e-mail")
        && ok(app.command("settle"), "settle")
        && ok(app.command("grab " + output.absoluteFilePath("card-about.png")), "card");
}

} // namespace

int main(int argc, char** argv)
{
    return ScreenshotTool::run(argc, argv, save);
}
