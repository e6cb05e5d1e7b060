#pragma once

#include <QString>
#include <QTemporaryDir>

// An application directory of its own for one test, with plug-in
// directories holding copies of the fake plug-in and their configurations.
class PluginTree
{
public:
    PluginTree();

    QString applicationDir() const { return m_dir.path(); }
    QString pluginRoot() const;

    // Copies the fake plug-in into <root>/<directory>/<fileName> and writes
    // its configuration (ini text) beside it under the library's base name; an empty directory means the
    // root itself. The configuration "unresolved" lays the plug-in that calls a
    // function no library defines instead, "junk" a file with a library's name that
    // is no library at all. Returns the file's path.
    QString addPlugin(const QString& directory, const QString& fileName, const QString& config = QString());

private:
    QTemporaryDir m_dir;
};
