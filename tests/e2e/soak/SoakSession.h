#pragma once

#include "ProbedApp.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QMap>
#include <QRandomGenerator>
#include <QStringList>

#include <functional>
#include <vector>

// A long scripted session against the real program: hot-plug, notification
// storms, injected driver faults, fleet reloads, bursts of plug and unplug
// events, view switches, and cards opened, edited and closed while one
// configuration write in ten fails, drawn at random (seeded) from a table of actions.
// At the end the fleet is reloaded and the program must list exactly the live
// devices; in between the resident size is sampled.
class SoakSession
{
public:
    struct Options
    {
        int seconds = 30;
        quint32 seed = 1;
        // The simulator returns from Unsubscribe without waiting for running callbacks.
        bool atOnce = false;
        // Allowed growth of the resident size after warm-up; 0 checks nothing.
        qint64 rssGrowthLimitKb = 0;
    };

    explicit SoakSession(const Options& options);

    // Runs the session; false with a reason printed on standard error.
    bool run();

private:
    struct Action
    {
        const char* name;
        int weight;
        std::function<bool()> run;
    };

    bool start();
    bool step();
    bool settleFleet();
    bool quit();
    bool checkResidentSize(qint64 warmKb, qint64 endKb);

    bool sim(const QString& line, bool mayBeRefused = false, QString* output = nullptr);
    bool probe(const QString& line);
    bool refreshFleet();
    QString anyDevice(bool plugged);
    QString pick(const QStringList& choices);

    bool fault();
    bool burst();
    bool openCard();
    bool closeCard();
    bool editCard();

    bool cardOpen();
    QJsonArray shownControls();
    bool refreshDevices(QString& settings);
    bool editRefused(int control);

    Options m_options;
    QRandomGenerator m_random;
    ProbedApp m_app;
    QString m_profile;
    QStringList m_plugged;
    QStringList m_unplugged;
    int m_listedAtStart = 0;
    std::vector<Action> m_actions;
    int m_totalWeight = 0;
    QElapsedTimer m_clock;
    QMap<QString, int> m_counts;
    int m_refusedEdits = 0;
};
