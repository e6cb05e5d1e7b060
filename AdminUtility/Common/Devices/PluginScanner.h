#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class AdminUtilityWindow;
class ProductFamily;

// Finds product families in plug-in libraries. A library that cannot be
// loaded, does not implement AdminUtilityPlugin or refuses to initialise is
// unloaded and skipped without a word; accepted libraries stay loaded.
class PluginScanner
{
public:
    using FamilySink = std::function<void(ProductFamily*)>;

    // The start-up scan: every subdirectory of the plug-in root below the
    // application directory is one plug-in directory.
    static int registerFamilies(const QString& applicationDir, AdminUtilityWindow* window);

    static QString pluginRoot(const QString& applicationDir);
    static QStringList subdirectories(const QString& directory);

    // Loads the libraries directly in one plug-in directory and hands each
    // accepted plug-in's families to the sink; returns how many it handed.
    // With announce, every library passing the interface check is logged.
    static int loadDirectory(const QString& directory, AdminUtilityWindow* window,
                             const FamilySink& sink, bool announce = false);

private:
    static int loadLibrary(const QString& path, const QString& directory,
                           AdminUtilityWindow* window, const FamilySink& sink, bool announce);
};
