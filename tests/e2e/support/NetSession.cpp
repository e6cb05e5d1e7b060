#include "NetSession.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QThread>

NetSession::NetSession()
    : m_app(QStringLiteral(LUMARIS_BIN_DIR), QStringLiteral(LUMARIS_PROBE_LIBRARY))
{
    m_app.setProgram(QStringLiteral("lumaris-setup-net"));
    m_app.addPlugin(QStringLiteral(LUMARIS_NET_PLUGIN));
}

bool NetSession::start(QString* error)
{
    const QString profile = m_dir.filePath(QStringLiteral("no-devices.json"));
    QFile file(profile);
    if (!m_dir.isValid() || !file.open(QIODevice::WriteOnly) || file.write("{ \"devices\": [] }") < 0) {
        *error = QStringLiteral("cannot write the simulator profile");
        return false;
    }
    file.close();
    QString reason;
    if (!m_responder.listen(QHostAddress(QLatin1String(kAddress)), 5353, &reason)) {
        *error = QStringLiteral("the responder cannot listen on %1:5353: %2").arg(QLatin1String(kAddress), reason);
        return false;
    }
    return m_app.start(profile, error);
}

QJsonObject NetSession::command(const QString& line)
{
    QCoreApplication::processEvents();
    const QJsonObject answer = m_app.command(line);
    QCoreApplication::processEvents();
    return answer;
}

void NetSession::pump(int milliseconds)
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
}

bool NetSession::waitFor(const QString& line, const std::function<bool(const QJsonObject&)>& check, int timeoutMs)
{
    QElapsedTimer waited;
    waited.start();
    do {
        if (check(command(line)))
            return true;
        pump(50);
    } while (waited.elapsed() < timeoutMs);
    return false;
}

bool NetSession::shows(const QJsonObject& answer, const QString& text)
{
    return QString::fromUtf8(QJsonDocument(answer).toJson(QJsonDocument::Compact)).contains(text);
}

bool NetSession::waitForDialogText(const QString& text, int timeoutMs)
{
    return waitFor(QStringLiteral("dialog"), [&text](const QJsonObject& dialog) { return shows(dialog, text); },
                   timeoutMs);
}

bool NetSession::waitForWindowText(const QString& text, int timeoutMs)
{
    return waitFor(QStringLiteral("snapshot"), [&text](const QJsonObject& snapshot) { return shows(snapshot, text); },
                   timeoutMs);
}

// The footer and its menu button come with the first turn of the program's event loop.
bool NetSession::openAddByAddress(const QString& address)
{
    return waitFor(QStringLiteral("menu"), [](const QJsonObject& answer) { return !answer.contains("error"); })
        && waitForDialogText(QStringLiteral("IP address:"))
        && command(QStringLiteral("type ") + address).value("text").toString() == address;
}
