#pragma once

#include "AdminUtilityPlugin.h"

#include <QObject>

// The network test family as a plug-in library.
class NetPlugin : public QObject, public AdminUtilityPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID AdminUtilityPlugin_iid FILE "netplugin.json")
    Q_INTERFACES(AdminUtilityPlugin)

public:
    bool initialise(QDir pluginDirectory, AdminUtilityWindow* window) override;
    QList<ProductFamily*>& families() override;

private:
    QList<ProductFamily*> m_families;
};
