#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class SimulatedFleet;
class VisibleMarlix;
class QWidget;

// The fleet of one of the tab tests' profiles, and a user's hands on a tab:
// controls are found by a button's text or tooltip, a combo box item's text,
// a slider's row label.
class TabsFleet
{
public:
    TabsFleet(const QString& profile, int devices);
    ~TabsFleet();

    // Once per test program, before the driver is touched.
    bool configure();
    // Before and after each test: the profile's fleet with nothing stored.
    bool start();
    bool stop();

    // By the profile's id ("rich", "studio", "duo-1", ...).
    VisibleMarlix* device(const QString& id) const;
    QList<VisibleMarlix*> devices() const;
    // Configuration writes the device took since the last reset; -1 on failure.
    static int writes(const QString& id, bool reset = false);
    // The value the device works with now, as the simulator describes it.
    static QString live(const QString& id, const QString& item);
    // Lets the driver's notifications arrive.
    static void settle();

    // As the end-to-end probe works the program's tabs.
    static bool click(QWidget* tab, const QString& name);
    static bool choose(QWidget* tab, const QString& item);
    // The text, then Return.
    static bool type(QWidget* tab, const QString& label, const QString& text);
    // Section titles, row labels, button texts and tooltips the tab shows.
    static QStringList shownTexts(const QWidget* tab);

private:
    QString m_profile;
    int m_devices;
    QTemporaryDir m_config;
    std::unique_ptr<SimulatedFleet> m_fleet;
};
