#pragma once

#include <QString>

class ProbedApp;

// Start-up, memory, scale and live-load figures of the real program against
// the simulator, each next to a floor measured in the same run.
class AppBenchmarks
{
public:
    AppBenchmarks(const QString& binDir, const QString& probeLibrary, const QString& floorProgram,
                  const QString& profiles);

    // Prints every figure; false when one of them broke its limit or could not be measured.
    bool run();
    // Start-up, its CPU time and resident size against the floor, alone.
    bool runStartup();

private:
    struct Floor
    {
        double startupMs = 0.0;
        double residentKb = 0.0;
        double cpuMs = 0.0;
    };

    bool measureFloorOnce(double& startupMs, double& residentKb, double& cpuMs, bool withOpenGl = false);
    bool measureStartupAndMemory(Floor& floor);
    struct Startup
    {
        double firstPaintMs = 0.0;
        double firstDeviceMs = 0.0;
        double shownMs = 0.0;
        double residentKb = 0.0;
    };
    bool measureStartupOnce(Startup& startup);
    double measureProgramCpuOnce(bool noDevices);
    bool measureScale(const Floor& floor);
    bool measureScaleOnce(int devices, double& milliseconds);
    bool writeScaleFleet(int devices, const QString& path) const;
    bool measureLiveLoad();
    bool runStorms(ProbedApp& app, int storms);
    static double queuedDeliveryFloorNs();

    bool startApp(ProbedApp& app, const QString& profile);
    bool waitUntilSettled(ProbedApp& app, int expectedDevices);
    bool waitUntilIdle(ProbedApp& app);
    bool fail(const QString& what);

    QString m_binDir;
    QString m_probeLibrary;
    QString m_floorProgram;
    QString m_profiles;
};
