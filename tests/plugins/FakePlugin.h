#pragma once

#include "AdminUtilityPlugin.h"

#include <QObject>

// A plug-in whose behaviour is read from an ini file beside the library,
// named after it (libfake_a.so reads libfake_a.ini), so that copies of one
// library can accept or refuse and bring any families and devices a test
// asks for. Without the file it accepts and brings one empty family "Fake".
//   [plugin]  accept=false          refuse in initialise
//             families=Alpha,Beta   the families, in this order (default: one "Fake")
//   [Alpha]   devices=A,B,C         announced from init(), in this order
//             buildInfo=<b>1.0</b>  the family's build information
class FakePlugin : public QObject, public AdminUtilityPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID AdminUtilityPlugin_iid FILE "fakeplugin.json")
    Q_INTERFACES(AdminUtilityPlugin)

public:
    bool initialise(QDir pluginDirectory, AdminUtilityWindow* window) override;
    QList<ProductFamily*>& families() override;

private:
    static QString configPath(const QDir& pluginDirectory);

    QList<ProductFamily*> m_families;
};
