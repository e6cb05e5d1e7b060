// Saves the product card of a default-fleet device, open on its About tab,
// as a PNG file for the documentation: `lumaris-card-screenshots OUTPUT_DIRECTORY`.
#include "ProbedApp.h"
#include "ScreenshotTool.h"

#include <QDir>
#include <QJsonArray>
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

bool closeCard(ProbedApp& app)
{
    return ok(app.command("card-cancel"), "cancel")
        && (QTest::qWaitFor([&app] { return !app.command("card").value("open").toBool(); }, 10000)
            || fail(QStringLiteral("the card did not close")));
}

// The list row of the device labelled so; -1 when there is none.
int rowOf(ProbedApp& app, const QString& label)
{
    const QJsonArray rows = app.command("snapshot").value("list").toObject().value("rows").toArray();
    for (int row = 0; row < rows.size(); ++row) {
        if (rows.at(row).toObject().value("label").toString() == label)
            return row;
    }
    return -1;
}

bool grab(ProbedApp& app, const QDir& output, const QString& prefix, const QString& name)
{
    const QString file = QStringLiteral("card-%1-%2.png").arg(prefix, name.toLower().replace(' ', '-'));
    return ok(app.command("settle"), "settle") && ok(app.command("grab " + output.absoluteFilePath(file)), file);
}

// Every one of the given tabs that the device's card has, one file each.
bool saveTabs(ProbedApp& app, const QDir& output, const QString& label, const QString& prefix,
              const QStringList& titles)
{
    const int row = rowOf(app, label);
    if (row < 0)
        return fail(QStringLiteral("no device %1").arg(label));
    if (!ok(app.command(QStringLiteral("open-row %1").arg(row)), label) || !cardOpen(app))
        return false;
    const QJsonArray tabs = app.command("card").value("tabs").toArray();
    for (const QString& title : titles) {
        if (!tabs.contains(title))
            continue;
        if (!ok(app.command("card-tab " + title), title) || !grab(app, output, prefix, title))
            return false;
    }
    return true;
}

bool saveInputTabs(ProbedApp& app, const QDir& output)
{
    const QStringList titles{QStringLiteral("Video Input"), QStringLiteral("Audio"), QStringLiteral("Connectors"),
                             QStringLiteral("Serial Port")};
    // The analog input shows its levels; cancelling the card puts SDI back.
    return saveTabs(app, output, QStringLiteral("Lumaris Studio Pro"), QStringLiteral("studio-pro"), titles)
        && ok(app.command("card-tab Video Input"), "Video Input") && ok(app.command("card-click Component"), "Component")
        && grab(app, output, QStringLiteral("studio-pro"), QStringLiteral("video input component")) && closeCard(app)
        && saveTabs(app, output, QStringLiteral("Lumaris Core Duo (1)"), QStringLiteral("core-duo"), titles)
        && closeCard(app);
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
        && ok(app.command("grab " + output.absoluteFilePath("card-about.png")), "card")
        && closeCard(app) && saveInputTabs(app, output);
}

} // namespace

int main(int argc, char** argv)
{
    return ScreenshotTool::run(argc, argv, save);
}
