#include "NetPlugin.h"

#include "NetFamily.h"

bool NetPlugin::initialise(QDir, AdminUtilityWindow*)
{
    m_families.append(new NetFamily(this));
    return true;
}

QList<ProductFamily*>& NetPlugin::families()
{
    return m_families;
}
