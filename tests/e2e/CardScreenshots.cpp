// Saves the product card of a default-fleet device, open on its About tab,
// and every tab of the two richest devices, as PNG files for the documentation: `lumaris-card-screenshots OUTPUT_DIRECTORY`.
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

bool grab(ProbedApp& app, const QDir& output, const QString& prefix, const QString& name)
{
    const QString file = QStringLiteral("card-%1-%2.png").arg(prefix, name.toLower().replace(' ', '-'));
    return ok(app.command("settle"), "settle") && ok(app.command("grab " + output.absoluteFilePath(file)), file);
}

// The list row of a device, by the start of its label; -1 when there is none.
int rowOf(ProbedApp& app, const QString& label)
{
    const QJsonArray rows = app.command("snapshot").value("list").toObject().value("rows").toArray();
    for (int row = 0; row < rows.size(); ++row) {
        if (rows.at(row).toObject().value("label").toString().startsWith(label))
            return row;
    }
    return -1;
}

bool openCard(ProbedApp& app, const QString& label)
{
    const int row = rowOf(app, label);
    return (row >= 0 && ok(app.command(QStringLiteral("open-row %1").arg(row)), "list row") && cardOpen(app))
        || fail(QStringLiteral("no card for %1").arg(label));
}

// Every tab of a device's card: the card as the user sees it, and the tab's
// whole column (under whole/), for checking rows that are scrolled out of sight.
bool saveTabs(ProbedApp& app, const QDir& output, const QString& label, const QString& name)
{
    if (!openCard(app, label))
        return false;
    for (const QJsonValue& title : app.command("card").value("tabs").toArray()) {
        const QString file = QStringLiteral("card-%1-%2").arg(name, title.toString().toLower().replace(' ', '-'));
        // A conversion group shows its picture choices; "Cancel" below drops it again.
        if (!ok(app.command("card-tab " + title.toString()), "tab") || !(app.command("card-choose HD to SD"), true)
            || !ok(app.command("settle"), "settle")
            || !ok(app.command("grab " + output.absoluteFilePath(file + ".png")), "card")
            || !ok(app.command("card-grab-tab " + output.absoluteFilePath("whole/" + file + ".png")), "tab"))
            return false;
    }
    return closeCard(app);
}

// The analog input shows its levels; cancelling the card puts SDI back.
bool saveComponentInput(ProbedApp& app, const QDir& output)
{
    return openCard(app, QStringLiteral("Lumaris Studio Pro")) && ok(app.command("card-tab Video Input"), "Video Input")
        && ok(app.command("card-click Component"), "Component")
        && grab(app, output, QStringLiteral("studio-pro"), QStringLiteral("video input component")) && closeCard(app);
}

bool save(const QString& directory)
{
    ProbedApp app(QStringLiteral(LUMARIS_BIN_DIR), QStringLiteral(LUMARIS_PROBE_LIBRARY));
    QString error;
    if (!app.start(QString(), &error))
        return fail(error);
    const QDir output(directory);
    if (!output.mkpath(QStringLiteral("whole")))
        return fail(QStringLiteral("cannot make %1/whole").arg(directory));
    return ok(app.command(QStringLiteral("wait-rows %1").arg(kDefaultFleetDevices), 20000), "default fleet")
        && ok(app.command("open-gallery"), "setup button") && cardOpen(app)
        && ok(app.command("card-type 1 LX-4410-2207"), "serial number")
        && ok(app.command("card-type 2 Northgate Broadcast Supply"), "seller")
        && ok(app.command("card-type 4 sales@northgate.tv"), "e-mail")
        && ok(app.command("settle"), "settle")
        && ok(app.command("grab " + output.absoluteFilePath("card-about.png")), "card")
        && closeCard(app)
        && saveTabs(app, output, QStringLiteral("Lumaris Studio Pro"), QStringLiteral("studio-pro"))
        && saveTabs(app, output, QStringLiteral("Lumaris Studio 4K 2"), QStringLiteral("studio-4k-2"))
        && saveTabs(app, output, QStringLiteral("Lumaris Core Duo (1)"), QStringLiteral("core-duo"))
        && saveComponentInput(app, output);
}

} // namespace

int main(int argc, char** argv)
{
    return ScreenshotTool::run(argc, argv, save);
}
