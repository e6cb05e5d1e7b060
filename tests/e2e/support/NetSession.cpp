#include "NetSession.h"

NetSession::NetSession()
{
    setProgram(QStringLiteral("lumaris-setup-net"));
    addPlugin(QStringLiteral(LUMARIS_NET_PLUGIN));
}

bool NetSession::start(QString* error)
{
    QString reason;
    if (!m_responder.listen(QHostAddress::LocalHost, 5353, &reason)) {
        *error = QStringLiteral("the responder cannot listen on port 5353 of the loopback address: ") + reason;
        return false;
    }
    return ProbedApp::start(emptyProfile(), error);
}

// The footer and its menu button come with the first turn of the program's event loop.
bool NetSession::openAddByAddress()
{
    const QString address = QStringLiteral("127.0.0.1");
    return waitFor(QStringLiteral("menu"), [](const QJsonObject& answer) { return !answer.contains("error"); })
        && waitForText(QStringLiteral("dialog"), QStringLiteral("IP address:"))
        && command(QStringLiteral("type ") + address).value("text").toString() == address;
}

bool NetSession::addDevice()
{
    return openAddByAddress() && command(QStringLiteral("press Add")).contains("ok")
        && waitFor(QStringLiteral("snapshot"), [](const QJsonObject& shown) { return shown.value("devices").toInt() == 1; });
}
