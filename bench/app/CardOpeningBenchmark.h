#pragma once

#include <QString>

// Opening a device: from the click on the gallery's setup button to the first
// paint of its card's About tab, against a plain panel laid over the same
// window and painted, in the same program.
class CardOpeningBenchmark
{
public:
    CardOpeningBenchmark(const QString& binDir, const QString& probeLibrary);

    // Prints the figure; false when it could not be measured.
    bool run();

private:
    QString m_binDir;
    QString m_probeLibrary;
};
