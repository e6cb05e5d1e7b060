// Saves the product card of a default-fleet device, open on its About tab, and
// every tab of the richest devices, as PNG files for the documentation:
// `lumaris-card-screenshots OUTPUT_DIRECTORY`. In another language than
// English only the About tab is saved.
#include "ProbedApp.h"
#include "ScreenshotTool.h"

#include <QJsonArray>
#include <QLocale>

namespace {

const QStringList kClose{"card-cancel", "gone card \"open\":true"};

// Every tab of a device's card: the card as the user sees it, and the tab's
// whole column (under whole/), for checking rows that are scrolled out of sight.
bool saveTabs(ProbedApp& app, const QDir& output, const QString& label, const QString& name)
{
    if (!app.openCard(label))
        return ScreenshotTool::fail(QStringLiteral("no card for %1").arg(label));
    QStringList lines;
    for (const QJsonValue& title : app.command(QStringLiteral("card")).value("tabs").toArray()) {
        const QString file = QStringLiteral("card-%1-%2.png").arg(name, title.toString().toLower().replace(' ', '-'));
        lines << QStringLiteral("card-tab ") + title.toString();
        // A conversion group shows its picture choices; "Cancel" drops it again.
        if (title == QLatin1String("Conversions"))
            lines << QStringLiteral("card-choose HD to SD");
        lines << QStringLiteral("grab ") + file << QStringLiteral("card-grab-tab whole/") + file;
    }
    return ScreenshotTool::steps(app, output, lines + kClose);
}

bool save(const QDir& output)
{
    ProbedApp app;
    QString error;
    if (!app.start(QString(), &error))
        return ScreenshotTool::fail(error);
    const bool about = ScreenshotTool::steps(
        app, output,
        {"wait-rows 11", "open-gallery", "wait card \"open\":true", "card-type 1 LX-4410-2207",
         "card-type 2 Northgate Broadcast Supply", "card-type 4 sales@northgate.tv", "grab card-about.png"});
    // The probe presses the card's buttons by their English texts.
    if (!about || QLocale::system().uiLanguages().value(0).startsWith(QLatin1String("de")))
        return about;
    // The analog input shows its levels; cancelling the card puts SDI back.
    return ScreenshotTool::steps(app, output, kClose)
        && saveTabs(app, output, QStringLiteral("Lumaris Studio Pro"), QStringLiteral("studio-pro"))
        && saveTabs(app, output, QStringLiteral("Lumaris Studio 4K 2"), QStringLiteral("studio-4k-2"))
        && saveTabs(app, output, QStringLiteral("Lumaris Core Duo (1)"), QStringLiteral("core-duo"))
        && app.openCard(QStringLiteral("Lumaris Studio Pro"))
        && ScreenshotTool::steps(app, output,
                                 QStringList{"card-tab Video Input", "card-click Component",
                                             "grab card-studio-pro-video-input-component.png"}
                                     + kClose);
}

} // namespace

int main(int argc, char** argv)
{
    return ScreenshotTool::run(argc, argv, save);
}
