#pragma once

#include <QString>

class ProbedApp;

// The card of the richest device of the default fleet, which has every tab: from the
// click on its list row to the first paint of its card, against a plain panel laid over
// the same window and painted; then, with the card open, what one "pref" notification
// costs the GUI thread, and a storm of them, which must write nothing and keep the
// resident size.
class CardOpeningBenchmark
{
public:
    CardOpeningBenchmark(const QString& binDir, const QString& probeLibrary);

    // Prints the figures; false when one could not be measured.
    bool run();

private:
    bool measureOpening(ProbedApp& app, int row);
    bool measureRefresh(ProbedApp& app);
    bool measureStorm(ProbedApp& app);
    bool stormOnce(ProbedApp& app, qint64& writes, qint64& growthKb);
    bool stormAfterWarmUp(ProbedApp& app, qint64& writes, qint64& growthKb);

    QString m_binDir;
    QString m_probeLibrary;
};
