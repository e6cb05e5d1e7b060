#include "PluginTree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

PluginTree::PluginTree()
{
    QDir(m_dir.path()).mkpath(QStringLiteral("AdminUtility/PlugIns"));
}

QString PluginTree::pluginRoot() const
{
    return m_dir.filePath(QStringLiteral("AdminUtility/PlugIns"));
}

QString PluginTree::addPlugin(const QString& directory, const QString& fileName, const QString& config)
{
    const QString dir = directoryPath(directory);
    const QString path = dir + QLatin1Char('/') + fileName;
    const bool unresolved = config == QLatin1String("unresolved");
    QFile::copy(QString::fromUtf8(unresolved ? UNRESOLVED_PLUGIN_PATH : FAKE_PLUGIN_PATH), path);
    if (!config.isEmpty() && !unresolved) {
        QFile ini(dir + QLatin1Char('/') + QFileInfo(fileName).completeBaseName() + QStringLiteral(".ini"));
        ini.open(QIODevice::WriteOnly | QIODevice::Truncate);
        ini.write(config.toUtf8());
    }
    return path;
}

QString PluginTree::addJunk(const QString& directory, const QString& fileName)
{
    const QString path = directoryPath(directory) + QLatin1Char('/') + fileName;
    QFile junk(path);
    junk.open(QIODevice::WriteOnly);
    junk.write("not a library");
    return path;
}

QString PluginTree::directoryPath(const QString& directory) const
{
    const QString path = directory.isEmpty() ? pluginRoot() : pluginRoot() + QLatin1Char('/') + directory;
    QDir().mkpath(path);
    return path;
}
