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
    const QString dir = directory.isEmpty() ? pluginRoot() : pluginRoot() + QLatin1Char('/') + directory;
    QDir().mkpath(dir);
    const QString path = dir + QLatin1Char('/') + fileName;
    if (config == QLatin1String("junk")) {
        QFile junk(path);
        junk.open(QIODevice::WriteOnly);
        junk.write("not a library");
        return path;
    }
    const bool unresolved = config == QLatin1String("unresolved");
    QFile::copy(QString::fromUtf8(unresolved ? UNRESOLVED_PLUGIN_PATH : FAKE_PLUGIN_PATH), path);
    if (!config.isEmpty() && !unresolved) {
        QFile ini(dir + QLatin1Char('/') + QFileInfo(fileName).completeBaseName() + QStringLiteral(".ini"));
        ini.open(QIODevice::WriteOnly | QIODevice::Truncate);
        ini.write(config.toUtf8());
    }
    return path;
}
