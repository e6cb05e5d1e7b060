// Saves the add-by-address page and the update dialog in each of their
// states, for the documentation: `lumaris-net-screenshots OUTPUT_DIRECTORY`.
#include "NetSession.h"
#include "ScreenshotTool.h"

#include <QDir>

#include <memory>

namespace
{
using ScreenshotTool::fail;

bool step(bool ok, const QString& what)
{
    return ok || fail(what);
}

class Shooter
{
public:
    explicit Shooter(const QString& directory) : m_output(directory) {}

    bool grab(const QString& name)
    {
        m_session->pump(400);
        return step(!m_session->command("grab " + m_output.absoluteFilePath(name)).contains("error"), name);
    }

    // A fresh program for every story, so each starts from an empty window.
    bool begin(MdnsResponder::Behaviour behaviour, const QList<QByteArray>& extraTxt = {})
    {
        m_session = std::make_unique<NetSession>();
        m_session->responder().behaviour = behaviour;
        m_session->responder().device.txt << extraTxt;
        QString error;
        return step(m_session->start(&error), error);
    }

    bool addPage()
    {
        return begin(MdnsResponder::Silent)
            && step(m_session->openAddByAddress(QStringLiteral("127.0.0.1")), "add page") && grab("net-add-entry.png")
            && step(!m_session->command("press Add").contains("error"), "add") && grab("net-add-searching.png")
            && begin(MdnsResponder::WrongIdentifier)
            && step(m_session->openAddByAddress(QStringLiteral("127.0.0.1")), "add page")
            && step(!m_session->command("press Add").contains("error"), "add")
            && step(m_session->waitForDialogText("No Lumaris found"), "not found") && grab("net-add-not-found.png");
    }

    bool updateDialog(const QByteArray& outcome, const QString& endText, const QString& endShot, bool first)
    {
        const auto movingBar = [](const QJsonObject& dialog) {
            return dialog.value("progress").toObject().value("maximum").toInt(-1) == 0;
        };
        return begin(MdnsResponder::Answer, {"update outcome=" + outcome, "update pace=600"})
            && step(m_session->openAddByAddress(QStringLiteral("127.0.0.1")), "add page")
            && step(!m_session->command("press Add").contains("error"), "add")
            && step(m_session->waitForWindowText("Software update available."), "device") && (!first || grab("net-device.png"))
            && step(!m_session->command("press Update Now").contains("error"), "update now")
            && step(m_session->waitForDialogText("needs a Software Update"), "ask") && (!first || grab("net-update-ask.png"))
            && step(!m_session->command("press Update").contains("error"), "update")
            && (!first
                || (step(m_session->waitFor("dialog", movingBar), "unknown progress")
                    && grab("net-update-progress-unknown.png")
                    && step(m_session->waitForDialogText("50%"), "progress") && grab("net-update-progress.png")))
            && step(m_session->waitForDialogText(endText, 20000), endText) && grab(endShot);
    }

    // No verdict: the updating texts stay, the busy indicator is the way out.
    bool noVerdict()
    {
        const auto ended = [](const QJsonObject& dialog) {
            return NetSession::shows(dialog, "Updating Example Device...") && !dialog.contains("progress");
        };
        return begin(MdnsResponder::Answer, {"update outcome=none", "update pace=100"})
            && step(m_session->openAddByAddress(QStringLiteral("127.0.0.1")), "add page")
            && step(!m_session->command("press Add").contains("error"), "add")
            && step(m_session->waitForWindowText("Software update available."), "device")
            && step(!m_session->command("press Update Now").contains("error"), "update now")
            && step(m_session->waitForDialogText("needs a Software Update"), "ask")
            && step(!m_session->command("press Update").contains("error"), "update")
            && step(m_session->waitFor("dialog", ended), "no verdict") && grab("net-update-no-verdict.png");
    }

    void end()
    {
        if (m_session)
            m_session->command("quit");
        m_session.reset();
    }

private:
    QDir m_output;
    std::unique_ptr<NetSession> m_session;
};
}

int main(int argc, char** argv)
{
    return ScreenshotTool::run(argc, argv, [](const QString& directory) {
        Shooter shooter(directory);
        const bool ok = shooter.addPage()
            && shooter.updateDialog("ok", "This Example Device has been updated.", "net-update-done.png", true)
            && shooter.updateDialog("fail", "software failed.", "net-update-failed.png", false)
            && shooter.noVerdict();
        shooter.end();
        return ok;
    });
}
