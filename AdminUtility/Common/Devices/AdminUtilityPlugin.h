#pragma once

#include <QDir>
#include <QList>
#include <QtPlugin>

class AdminUtilityWindow;
class ProductFamily;

// The root object of a plug-in library. The slot order is part of the
// plug-in binary interface: append, never reorder.
class AdminUtilityPlugin
{
public:
    // Receives the directory that holds the library; false rejects the plug-in.
    virtual bool initialise(QDir pluginDirectory, AdminUtilityWindow* window) = 0;
    // Read once after a successful initialise; the families stay the plug-in's.
    virtual QList<ProductFamily*>& families() = 0;
};

#define AdminUtilityPlugin_iid "com.orvanta.AdminUtility.AdminUtilityPlugin/1.0"
Q_DECLARE_INTERFACE(AdminUtilityPlugin, AdminUtilityPlugin_iid)
