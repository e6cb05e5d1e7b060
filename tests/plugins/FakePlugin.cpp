#include "FakePlugin.h"

#include "FakeFamily.h"

#include <QFileInfo>
#include <QSettings>

#include <dlfcn.h>

namespace
{
QStringList listValue(const QSettings& settings, const QString& key, const QStringList& fallback = {})
{
    return settings.value(key, fallback).toStringList();
}
}

bool FakePlugin::initialise(QDir pluginDirectory, AdminUtilityWindow*)
{
    const QSettings config(configPath(pluginDirectory), QSettings::IniFormat);
    if (!config.value(QStringLiteral("plugin/accept"), true).toBool())
        return false;

    for (const QString& name : listValue(config, QStringLiteral("plugin/families"), {QStringLiteral("Fake")})) {
        auto* family = new FakeFamily(name, this);
        family->setInitialDevices(listValue(config, name + QStringLiteral("/devices")),
                                  listValue(config, name + QStringLiteral("/usb")));
        family->setInitialLooks(listValue(config, name + QStringLiteral("/models")),
                                listValue(config, name + QStringLiteral("/pictures")));
        family->setVetoClose(config.value(name + QStringLiteral("/vetoClose"), false).toBool());
        family->setBuildInfo(config.value(name + QStringLiteral("/buildInfo")).toString());
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
