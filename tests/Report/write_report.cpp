// Writes the status report of one device of the simulated default fleet, as the
// About tab's "Create" does, for the screenshots and for reading by hand, in the
// user's language as the program would.
// Usage: lumaris-write-report OUTPUT.html [DEVICE NAME]
#include "CapabilityTables.h"
#include "MarlixStatusReport.h"
#include "SimulatorSession.h"
#include "UiLanguage.h"
#include "VisibleMarlix.h"

#include <QCoreApplication>

#include <cstdio>
#include <memory>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() < 2 || arguments.size() > 3) {
        fprintf(stderr, "usage: lumaris-write-report OUTPUT.html [DEVICE NAME]\n");
        return 2;
    }
    UiLanguage::install(app);
    SimulatorSession::start();
    initialiseStaticData();
    const QString name = arguments.value(2, QStringLiteral("Lumaris Studio Pro"));
    std::unique_ptr<VisibleMarlix> device(SimulatorSession::takeDevice(name));
    if (!device) {
        fprintf(stderr, "lumaris-write-report: no device \"%s\"\n", qPrintable(name));
        return 1;
    }
    if (!MarlixStatusReport(*device).writeTo(arguments.at(1))) {
        fprintf(stderr, "lumaris-write-report: could not write %s\n", qPrintable(arguments.at(1)));
        return 1;
    }
    return 0;
}
