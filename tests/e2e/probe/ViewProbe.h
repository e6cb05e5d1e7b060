#pragma once

#include "AdminUtilityPlugin.h"

#include <QElapsedTimer>
#include <QJsonObject>
#include <QObject>

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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void onNewConnection();
    void onDeviceAdded();
    void onDeviceRemoved();
    void checkWaiters();
    void checkShownWaiters();

private:
    struct RowWaiter
    {
        QLocalSocket* socket;
        int rows;
    };

    void watchDeviceList();
    void watchTable();
    void readCommands(QLocalSocket* socket);
    QJsonObject handle(const QString& command, const QStringList& arguments, QLocalSocket* socket, bool& deferred);
    void reply(QLocalSocket* socket, const QJsonObject& answer);
    bool allRowsShown(int rows);
    QJsonObject clickViewButton(int index);
    QJsonObject clickDot(int index);
    QJsonObject grab(const QString& path);
    QJsonObject threadCpuTime() const;

    QList<ProductFamily*> m_families;
    QWidget* m_window = nullptr;
    QLocalServer* m_server = nullptr;
    QTableWidget* m_table = nullptr;
    int m_deviceCount = 0;
    QList<RowWaiter> m_waiters;
    bool m_checkScheduled = false;
    // Waiting for the first paint of the gallery after a device arrived.
    QList<QLocalSocket*> m_shownWaiters;
    QWidget* m_watchedGallery = nullptr;
    // Milestones of start-up, monotonic nanoseconds: the window's first paint and the first device.
    qint64 m_firstPaintAt = 0;
    qint64 m_firstDeviceAt = 0;
};
