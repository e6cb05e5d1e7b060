#pragma once

#include "AdminUtilityPlugin.h"

#include <QJsonObject>
#include <QObject>
#include <QPointer>

#include <functional>

class QLocalServer;
class QLocalSocket;
class QTableWidget;
class QWidget;

// Test-only plug-in: laid beside a copy of the program by the end-to-end tests
// and benchmarks, it answers questions about what the window shows over a
// local socket named by LUMARIS_PROBE_SOCKET. Without that variable it refuses
// to load. It contributes no family and links none of the program's code: it
// finds the views by class name and reads them through Qt.
class ViewProbe : public QObject, public AdminUtilityPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID AdminUtilityPlugin_iid FILE "probe.json")
    Q_INTERFACES(AdminUtilityPlugin)

public:
    bool initialise(QDir pluginDirectory, AdminUtilityWindow* window) override;
    QList<ProductFamily*>& families() override;

private slots:
    void onNewConnection();
    void onDeviceAdded();
    void onDeviceRemoved();

private:
    using Reply = std::function<void(const QJsonObject&)>;

    void readCommands(QLocalSocket* socket);
    // The answer, or an empty one when reply is called later (while the asker is there).
    QJsonObject handle(const QString& command, const QStringList& arguments, const Reply& reply,
                       const QPointer<QObject>& asker);
    bool allRowsShown(int rows);
    void waitShown(const Reply& reply, const QPointer<QObject>& asker);
    QJsonObject timeCardOpening(const QStringList& arguments, const Reply& reply);
    void timePlainPanel(const Reply& reply);

    QList<ProductFamily*> m_families;
    QWidget* m_window = nullptr;
    QLocalServer* m_server = nullptr;
    QPointer<QTableWidget> m_table;
    int m_deviceCount = 0;
    // Milestones of start-up, monotonic nanoseconds: the window's first paint and the first device.
    qint64 m_firstPaintAt = 0;
    qint64 m_firstDeviceAt = 0;
};
