#include "FakePlugin.h"

#include "FakeFamily.h"

#include <QFileInfo>
#include <QSettings>

#include <dlfcn.h>

#ifdef FAKE_PLUGIN_UNRESOLVED
extern "C" void lumarisFunctionNoLibraryDefines();
#endif

bool FakePlugin::initialise(QDir pluginDirectory, AdminUtilityWindow*)
{
#ifdef FAKE_PLUGIN_UNRESOLVED
    lumarisFunctionNoLibraryDefines();
#endif
    const QSettings config(configPath(pluginDirectory), QSettings::IniFormat);
    if (!config.value(QStringLiteral("plugin/accept"), true).toBool())
        return false;

    for (const QString& name : config.value(QStringLiteral("plugin/families"), QStringList{"Fake"}).toStringList()) {
        const auto value = [&](const char* key) { return config.value(name + QLatin1Char('/') + QLatin1String(key)); };
        auto* family = new FakeFamily(name, this);
        family->initialDevices = value("devices").toStringList();
        family->buildInfo = value("buildInfo").toString();
        m_families.append(family);
    }
    return true;
}

// Each copy of the library is loaded on its own, so the address of this
// function tells which file this copy came from.
QString FakePlugin::configPath(const QDir& pluginDirectory)
{
    Dl_info info{};
    dladdr(reinterpret_cast<void*>(&FakePlugin::configPath), &info);
    const QString library = QFileInfo(QString::fromLocal8Bit(info.dli_fname)).completeBaseName();
    return pluginDirectory.filePath(library + QStringLiteral(".ini"));
}

QList<ProductFamily*>& FakePlugin::families()
{
    return m_families;
}
