#include "ViewProbe.h"

#include "AdminUtilityWindow.h"
#include "DialogDriver.h"
#include "CardProbe.h"
#include "ControlProbe.h"
#include "ViewReader.h"

#include <QAbstractButton>
#include <QApplication>
#include <QJsonDocument>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QTableWidget>
#include <QTimer>

#include <algorithm>
#include <ctime>

namespace {

qint64 nanoseconds(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

QJsonObject failure(const QString& reason)
{
    return QJsonObject{{"error", reason}};
}

// Buttons of one bar, left to right as the user sees them.
QList<QAbstractButton*> buttonsOf(QWidget* bar)
{
    QList<QAbstractButton*> buttons = bar ? bar->findChildren<QAbstractButton*>() : QList<QAbstractButton*>();
    std::sort(buttons.begin(), buttons.end(),
              [](QAbstractButton* a, QAbstractButton* b) { return a->x() < b->x(); });
    return buttons;
}

QJsonObject click(QWidget* bar, int index)
{
    const QList<QAbstractButton*> buttons = buttonsOf(bar);
    if (index < 0 || index >= buttons.size())
        return failure(QStringLiteral("no button %1").arg(index));
    buttons.at(index)->click();
    return QJsonObject{{"ok", true}};
}

} // namespace

bool ViewProbe::initialise(QDir, AdminUtilityWindow* window)
{
    const QString socketPath = qEnvironmentVariable("LUMARIS_PROBE_SOCKET");
    if (socketPath.isEmpty() || !window)
        return false;
    m_window = window;
    m_server = new QLocalServer(this);
    QLocalServer::removeServer(socketPath);
    if (!m_server->listen(socketPath))
        return false;
    connect(m_server, &QLocalServer::newConnection, this, &ViewProbe::onNewConnection);
    watchDeviceList();
    qApp->installEventFilter(this);
    // From here on the window owns the probe: it goes when the window goes.
    setParent(window);
    return true;
}

QList<ProductFamily*>& ViewProbe::families()
{
    return m_families;
}

// The view's class is not linked here, so its signals are found by name.
void ViewProbe::watchDeviceList()
{
    DeviceList* list = &static_cast<AdminUtilityWindow*>(m_window)->deviceList();
    connect(list, SIGNAL(deviceListAdded(VisibleDevice*)), this, SLOT(onDeviceAdded()));
    connect(list, SIGNAL(deviceListRemoved(VisibleDevice*)), this, SLOT(onDeviceRemoved()));
}

void ViewProbe::onDeviceAdded()
{
    if (m_deviceCount == 0 && m_firstDeviceAt == 0)
        m_firstDeviceAt = nanoseconds(CLOCK_MONOTONIC);
    ++m_deviceCount;
    watchTable();
}

void ViewProbe::onDeviceRemoved()
{
    m_deviceCount = std::max(0, m_deviceCount - 1);
}

void ViewProbe::watchTable()
{
    if (m_table)
        return;
    m_table = ViewReader::deviceTable(m_window);
}

void ViewProbe::onNewConnection()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readCommands(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QObject::destroyed, this, [this, socket] {
            m_waiters.erase(std::remove_if(m_waiters.begin(), m_waiters.end(),
                                           [socket](const RowWaiter& waiter) { return waiter.socket == socket; }),
                            m_waiters.end());
            m_shownWaiters.removeAll(socket);
        });
    }
}

void ViewProbe::readCommands(QLocalSocket* socket)
{
    while (socket->canReadLine()) {
        const QStringList words = QString::fromUtf8(socket->readLine()).trimmed().split(' ', Qt::SkipEmptyParts);
        if (words.isEmpty())
            continue;
        bool deferred = false;
        const QJsonObject answer = handle(words.first(), words.mid(1), socket, deferred);
        if (!deferred)
            reply(socket, answer);
    }
}

QJsonObject ViewProbe::handle(const QString& command, const QStringList& arguments, QLocalSocket* socket,
                              bool& deferred)
{
    watchTable();
    const int number = arguments.value(0).toInt();
    if (command == QLatin1String("snapshot")) {
        QJsonObject snapshot = ViewReader::snapshot(m_window);
        snapshot.insert("devices", m_deviceCount);
        return snapshot;
    }
    if (command == QLatin1String("wait-rows")) {
        m_waiters.append(RowWaiter{socket, number});
        deferred = true;
        checkWaiters();
        return QJsonObject();
    }
    if (command == QLatin1String("wait-shown")) {
        m_shownWaiters.append(socket);
        deferred = true;
        checkShownWaiters();
        return QJsonObject();
    }
    if (command == QLatin1String("show-gallery") || command == QLatin1String("show-list"))
        return click(ViewReader::findByClass(m_window, "ViewSelectionBar"), command == QLatin1String("show-list"));
    if (command == QLatin1String("dot"))
        return click(ViewReader::findByClass(m_window, "DotsWidget"), number);
    if (command == QLatin1String("grab"))
        return grab(arguments.value(0));
    if (command == QLatin1String("cpu"))
        return threadCpuTime();
    if (command == QLatin1String("menu"))
        return click(ViewReader::findByClass(m_window, "FooterLeftRegion"), 0);
    if (command == QLatin1String("dialog"))
        return DialogDriver::dialog(m_window);
    if (command == QLatin1String("press"))
        return DialogDriver::press(m_window, arguments.join(' '));
    if (command == QLatin1String("type"))
        return DialogDriver::type(m_window, arguments.join(' '));
    QJsonObject cardAnswer;
    if (ControlProbe::handle(m_window, command, arguments, cardAnswer))
        return cardAnswer;
    QPointer<QLocalSocket> asker(socket);
    if (CardProbe::handle(m_window, command, arguments, cardAnswer, [this, asker](const QJsonObject& answer) {
            if (asker)
                reply(asker, answer);
        })) {
        deferred = cardAnswer.isEmpty();
        return cardAnswer;
    }
    if (command == QLatin1String("quit")) {
        QTimer::singleShot(0, m_window, &QWidget::close);
        return QJsonObject{{"ok", true}};
    }
    return failure(QStringLiteral("unknown command %1").arg(command));
}

void ViewProbe::reply(QLocalSocket* socket, const QJsonObject& answer)
{
    socket->write(QJsonDocument(answer).toJson(QJsonDocument::Compact) + '\n');
    socket->flush();
}

// Rows count as shown once every one has its label and the table has been
// sized to hold them all.
bool ViewProbe::allRowsShown(int rows)
{
    if (!m_table || m_deviceCount != rows || m_table->rowCount() != rows)
        return false;
    int height = 0;
    for (int row = 0; row < rows; ++row) {
        const QTableWidgetItem* label = m_table->item(row, 1);
        if (!label || label->text().isEmpty())
            return false;
        height += m_table->rowHeight(row);
    }
    return rows == 0 || m_table->minimumHeight() >= height;
}

void ViewProbe::checkWaiters()
{
    m_checkScheduled = false;
    watchTable();
    const qint64 now = nanoseconds(CLOCK_MONOTONIC);
    for (auto waiter = m_waiters.begin(); waiter != m_waiters.end();) {
        if (allRowsShown(waiter->rows)) {
            reply(waiter->socket, QJsonObject{{"at", now}});
            waiter = m_waiters.erase(waiter);
        } else {
            ++waiter;
        }
    }
    // Looks again on every turn of the event loop until everyone is answered.
    if (!m_waiters.isEmpty() && !m_checkScheduled) {
        m_checkScheduled = true;
        QTimer::singleShot(0, this, &ViewProbe::checkWaiters);
    }
}

// Start-up counts until the gallery paints with a device in it.
void ViewProbe::checkShownWaiters()
{
    if (m_shownWaiters.isEmpty() || m_watchedGallery)
        return;
    if (m_deviceCount > 0) {
        m_watchedGallery = ViewReader::findByClass(m_window, "VisibleDevicesWidget");
        if (m_watchedGallery) {
            m_watchedGallery->installEventFilter(this);
            m_watchedGallery->update();
            return;
        }
    }
    QTimer::singleShot(0, this, &ViewProbe::checkShownWaiters);
}

bool ViewProbe::eventFilter(QObject* watched, QEvent* event)
{
    if (m_firstPaintAt == 0 && event->type() == QEvent::Paint) {
        m_firstPaintAt = nanoseconds(CLOCK_MONOTONIC);
        qApp->removeEventFilter(this);
    }
    if (watched == m_watchedGallery && event->type() == QEvent::Paint) {
        const qint64 now = nanoseconds(CLOCK_MONOTONIC);
        m_watchedGallery->removeEventFilter(this);
        m_watchedGallery = nullptr;
        const QJsonObject answer{{"at", now}, {"firstPaint", m_firstPaintAt}, {"firstDevice", m_firstDeviceAt}};
        for (QLocalSocket* socket : qAsConst(m_shownWaiters))
            reply(socket, answer);
        m_shownWaiters.clear();
    }
    return QObject::eventFilter(watched, event);
}

QJsonObject ViewProbe::grab(const QString& path)
{
    if (path.isEmpty() || !m_window->grab().save(path))
        return failure(QStringLiteral("cannot save %1").arg(path));
    return QJsonObject{{"ok", true}};
}

QJsonObject ViewProbe::threadCpuTime() const
{
    return QJsonObject{{"ns", nanoseconds(CLOCK_THREAD_CPUTIME_ID)}, {"now", nanoseconds(CLOCK_MONOTONIC)}};
}
