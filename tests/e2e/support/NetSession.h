#pragma once

#include "MdnsResponder.h"
#include "ProbedApp.h"

#include <QJsonObject>
#include <QTemporaryDir>

#include <functional>

// The program built with adding by address switched on, the network test
// family beside it, no local device, and a device answering on port 5353 of
// the loopback address from this process. Waits pump this process's events,
// so the responder answers while the test waits.
class NetSession
{
public:
    static constexpr const char* kAddress = "127.0.0.1";
    static constexpr int kWaitMs = 15000;

    NetSession();

    bool start(QString* error);
    MdnsResponder& responder() { return m_responder; }
    ProbedApp& app() { return m_app; }

    QJsonObject command(const QString& line);
    // Asks the probe until the answer passes the check; false after timeoutMs.
    bool waitFor(const QString& line, const std::function<bool(const QJsonObject&)>& check, int timeoutMs = kWaitMs);
    // Pumps events for a while, for the responder's sake.
    void pump(int milliseconds);

    // Whether a text is shown anywhere in the answer.
    static bool shows(const QJsonObject& answer, const QString& text);
    bool waitForDialogText(const QString& text, int timeoutMs = kWaitMs);
    bool waitForWindowText(const QString& text, int timeoutMs = kWaitMs);
    // Opens the add-by-address page from the footer's menu button and types the address.
    bool openAddByAddress(const QString& address);

private:
    QTemporaryDir m_dir;
    MdnsResponder m_responder;
    ProbedApp m_app;
};
