// Saves the add-by-address page and the update dialog in each of their
// states, for the documentation: `lumaris-net-screenshots OUTPUT_DIRECTORY`.
#include "NetSession.h"
#include "ScreenshotTool.h"

namespace
{
// A fresh program for every story, each from the add-by-address page with the address typed.
bool story(const QDir& output, MdnsResponder::Behaviour behaviour, const QList<QByteArray>& txt,
           const QStringList& lines)
{
    NetSession session;
    session.responder().behaviour = behaviour;
    session.responder().device.txt << txt;
    QString error;
    if (!session.start(&error))
        return ScreenshotTool::fail(error);
    return (session.openAddByAddress() || ScreenshotTool::fail(QStringLiteral("no add-by-address page")))
        && ScreenshotTool::steps(session, output, lines);
}

const QStringList kUpdate{"press Add", "wait snapshot Software update available.", "press Update Now",
                          "wait dialog needs a Software Update", "press Update"};
}

int main(int argc, char** argv)
{
    return ScreenshotTool::run(argc, argv, [](const QDir& output) {
        return story(output, MdnsResponder::Silent, {},
                     {"grab net-add-entry.png", "press Add", "grab net-add-searching.png"})
            && story(output, MdnsResponder::WrongIdentifier, {},
                     {"press Add", "wait dialog No Lumaris found", "grab net-add-not-found.png"})
            && story(output, MdnsResponder::Answer, {"update outcome=ok", "update pace=1500"},
                     {"press Add", "wait snapshot Software update available.", "grab net-device.png",
                      "press Update Now", "wait dialog needs a Software Update", "grab net-update-ask.png",
                      "press Update", "wait dialog \"maximum\":0", "grab net-update-progress-unknown.png",
                      "wait dialog 50%", "grab net-update-progress.png",
                      "wait dialog This Example Device has been updated.", "grab net-update-done.png"})
            && story(output, MdnsResponder::Answer, {"update outcome=fail"},
                     kUpdate + QStringList{"wait dialog software failed.", "grab net-update-failed.png"})
            && story(output, MdnsResponder::Answer, {"update outcome=none", "update pace=100"},
                     kUpdate + QStringList{"wait dialog Updating Example Device...", "gone dialog \"progress\"",
                                           "grab net-update-no-verdict.png"});
    });
}
