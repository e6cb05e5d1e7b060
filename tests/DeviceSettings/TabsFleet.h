#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class SimulatedFleet;
class VisibleMarlix;
class QWidget;

// The devices of several simulator profiles as one fleet, and a user's hands
// on a tab: the end-to-end probe's tab commands.
class TabsFleet
{
public:
    TabsFleet(const QStringList& profiles, int devices);
    ~TabsFleet();

    // Once per test program, before the driver is touched.
    bool configure();
    // Before and after each test: the fleet with nothing stored.
    bool start();
    bool stop();

    // By the profile's id ("rich", "studio", "duo-1", ...) or by the name shown.
    VisibleMarlix* device(const QString& id) const;
    // Configuration writes the device took since the last reset; -1 on failure.
    static int writes(const QString& id, bool reset = false);
    // The value the device works with now, as the simulator describes it.
    static QString live(const QString& id, const QString& item);
    // Lets the driver's notifications arrive.
    static void settle();

    // One probe command on a tab, as the end-to-end tests send it:
    // "card-click Composite", "card-choose HD to SD", "card-field Y: 0.25".
    static bool act(QWidget* tab, const QString& line);
    // Section titles, row labels, button texts and tooltips, combo box items:
    // those the tab shows, or all it built.
    static QStringList texts(const QWidget* tab, bool shownOnly = true);

private:
    QStringList m_profiles;
    int m_devices;
    QTemporaryDir m_config;
    // Display names by profile id.
    QHash<QString, QString> m_names;
    std::unique_ptr<SimulatedFleet> m_fleet;
};
