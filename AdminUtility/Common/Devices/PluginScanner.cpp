#include "PluginScanner.h"

#include "AdminUtilityPlugin.h"
#include "AdminUtilityWindow.h"

#include <QDebug>
#include <QFileInfo>
#include <QJsonObject>
#include <QLibrary>
#include <QPluginLoader>

int PluginScanner::registerFamilies(const QString& applicationDir, AdminUtilityWindow* window)
{
    const FamilySink addFamily = [window](ProductFamily* family) { window->addFamily(family); };
    int count = 0;
    for (const QString& directory : subdirectories(pluginRoot(applicationDir)))
        count += loadDirectory(directory, window, addFamily);
    return count;
}

QString PluginScanner::pluginRoot(const QString& applicationDir)
{
    return QStringLiteral("%1/AdminUtility/PlugIns").arg(applicationDir);
}

QStringList PluginScanner::subdirectories(const QString& directory)
{
    const QDir dir(directory);
    QStringList paths;
    const QFileInfoList entries =
        dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QFileInfo& entry : entries)
        paths << entry.absoluteFilePath();
    return paths;
}

int PluginScanner::loadDirectory(const QString& directory, AdminUtilityWindow* window,
                                 const FamilySink& sink, bool announce)
{
    const QDir dir(directory);
    int count = 0;
    const QFileInfoList entries = dir.entryInfoList(QDir::Files, QDir::Unsorted);
    for (const QFileInfo& entry : entries) {
        const QString path = entry.absoluteFilePath();
        if (QLibrary::isLibrary(path))
            count += loadLibrary(path, dir.absolutePath(), window, sink, announce);
    }
    return count;
}

int PluginScanner::loadLibrary(const QString& path, const QString& directory,
                               AdminUtilityWindow* window, const FamilySink& sink, bool announce)
{
    QPluginLoader loader(path);
    // Bound at once, a library with a missing function fails to load here and is
    // skipped, instead of ending the program at its first call.
    loader.setLoadHints(QLibrary::ResolveAllSymbolsHint);
    AdminUtilityPlugin* plugin = qobject_cast<AdminUtilityPlugin*>(loader.instance());
    if (!plugin) {
        loader.unload();
        return 0;
    }
    if (announce) {
        const QString version =
            loader.metaData().value(QStringLiteral("MetaData")).toObject().value(QStringLiteral("version")).toString();
        qDebug() << "Plugin (version: " << version << ") loaded from : " << path;
    }
    if (!plugin->initialise(QDir(directory), window)) {
        loader.unload();
        return 0;
    }
    const QList<ProductFamily*>& families = plugin->families();
    for (ProductFamily* family : families)
        sink(family);
    return families.size();
}
