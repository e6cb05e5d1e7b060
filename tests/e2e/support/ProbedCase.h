#pragma once

#include "ProbedApp.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QObject>

#include <memory>

// What the end-to-end suites share: a fresh program for every test, which has
// to end cleanly (under the sanitizers: no leak and no report) and leave
// nothing behind in the strict driver; and readers of the probe's snapshot.
class ProbedCase : public QObject
{
    Q_OBJECT

protected:
    // Starts the program on a profile (empty: the built-in fleet) and, unless
    // rows is negative, waits until that many rows are shown.
    bool start(const QString& profile, int rows = -1);
    QJsonObject snapshot() { return m_app->command(QStringLiteral("snapshot")); }
    // A probe command that has to answer "ok".
    bool command(const QString& line);
    // A command to the program's simulator that has to succeed.
    bool sim(const QString& line);
    // What the program has written to standard error so far.
    const QString& errors();

    static QJsonArray rows(const QJsonObject& snapshot);
    static QStringList rowLabels(const QJsonObject& snapshot);
    static QJsonObject gallery(const QJsonObject& snapshot) { return snapshot.value("gallery").toObject(); }
    static QJsonObject window(const QJsonObject& snapshot) { return snapshot.value("window").toObject(); }

    // The program each test starts; another build of it for suites that need one.
    virtual std::unique_ptr<ProbedApp> makeApp() { return std::make_unique<ProbedApp>(); }
    std::unique_ptr<ProbedApp> m_app;

private slots:
    void init();
    void cleanup();

private:
    QString m_errors;
};
