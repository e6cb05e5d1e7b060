#include "ViewProbe.h"

#include "AdminUtilityWindow.h"
#include "CardProbe.h"
#include "DialogDriver.h"
#include "ProbeTools.h"
#include "ViewReader.h"

#include <QApplication>
#include <QFrame>
#include <QJsonDocument>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTableWidget>
#include <QTimer>

#include <algorithm>

using namespace ProbeTools;

namespace {

// Calls done at the first paint of a widget that matches, from the moment it is made.
class PaintWaiter : public QObject
{
public:
    PaintWaiter(std::function<bool(const QWidget*)> match, std::function<void()> done)
        : m_match(std::move(match)), m_done(std::move(done))
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() && m_match(static_cast<QWidget*>(watched))) {
            qApp->removeEventFilter(this);
            m_done();
            deleteLater();
        }
        return false;
    }

private:
    std::function<bool(const QWidget*)> m_match;
    std::function<void()> m_done;
};

// Looks again on every turn of the event loop until ready; gives up when the asker has gone.
void poll(QObject* context, const QPointer<QObject>& asker, const std::function<bool()>& ready,
          const std::function<void()>& then)
{
    if (!asker)
        return;
    if (ready())
        then();
    else
        QTimer::singleShot(0, context, [=] { poll(context, asker, ready, then); });
}

// The buttons of one bar, left to right as the user sees them.
QJsonObject clickInBar(QWidget* bar, int index)
{
    QList<QAbstractButton*> buttons = bar ? bar->findChildren<QAbstractButton*>() : QList<QAbstractButton*>();
    std::sort(buttons.begin(), buttons.end(), [](QAbstractButton* a, QAbstractButton* b) { return a->x() < b->x(); });
    return click(buttons.value(index), QString::number(index));
}

bool insideSettingsTab(const QWidget* widget)
{
    for (; widget; widget = widget->parentWidget()) {
        if (widget->inherits("SettingsTab"))
            return true;
    }
    return false;
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
    // The view's class is not linked here, so its signals are found by name.
    connect(&window->deviceList(), SIGNAL(deviceListAdded(VisibleDevice*)), this, SLOT(onDeviceAdded()));
    connect(&window->deviceList(), SIGNAL(deviceListRemoved(VisibleDevice*)), this, SLOT(onDeviceRemoved()));
    new PaintWaiter([](const QWidget*) { return true; }, [this] { m_firstPaintAt = nanoseconds(); });
    // From here on the window owns the probe: it goes when the window goes.
    setParent(window);
    return true;
}

QList<ProductFamily*>& ViewProbe::families()
{
    return m_families;
}

void ViewProbe::onDeviceAdded()
{
    if (m_deviceCount++ == 0 && m_firstDeviceAt == 0)
        m_firstDeviceAt = nanoseconds();
}

void ViewProbe::onDeviceRemoved()
{
    m_deviceCount = std::max(0, m_deviceCount - 1);
}

void ViewProbe::onNewConnection()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readCommands(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void ViewProbe::readCommands(QLocalSocket* socket)
{
    const QPointer<QObject> asker(socket);
    const Reply reply = [asker, socket](const QJsonObject& answer) {
        if (!asker)
            return;
        socket->write(QJsonDocument(answer).toJson(QJsonDocument::Compact) + '\n');
        socket->flush();
    };
    while (socket->canReadLine()) {
        const QStringList words = QString::fromUtf8(socket->readLine()).trimmed().split(' ', Qt::SkipEmptyParts);
        if (words.isEmpty())
            continue;
        const QJsonObject answer = handle(words.first(), words.mid(1), reply, asker);
        if (!answer.isEmpty())
            reply(answer);
    }
}

QJsonObject ViewProbe::handle(const QString& command, const QStringList& arguments, const Reply& reply,
                              const QPointer<QObject>& asker)
{
    const int number = arguments.value(0).toInt();
    const QString text = arguments.join(QLatin1Char(' '));
    QJsonObject answer;
    if (command == QLatin1String("snapshot")) {
        answer = ViewReader::snapshot(m_window);
        answer.insert(QStringLiteral("devices"), m_deviceCount);
    } else if (command == QLatin1String("wait-rows")) {
        poll(this, asker, [this, number] { return allRowsShown(number); },
             [reply] { reply(QJsonObject{{QStringLiteral("at"), nanoseconds()}}); });
    } else if (command == QLatin1String("wait-shown")) {
        waitShown(reply, asker);
    } else if (command == QLatin1String("settle")) {
        // Posted events are handled in order: this answer follows every one
        // posted before the command, such as the notifications of a storm.
        QMetaObject::invokeMethod(this, [reply] { reply(ok()); }, Qt::QueuedConnection);
    } else if (command == QLatin1String("time-card")) {
        answer = timeCardOpening(arguments, reply);
    } else if (command == QLatin1String("time-panel")) {
        timePlainPanel(reply);
    } else if (command == QLatin1String("show-gallery") || command == QLatin1String("show-list")) {
        answer = clickInBar(ViewReader::findByClass(m_window, "ViewSelectionBar"),
                            command == QLatin1String("show-list"));
    } else if (command == QLatin1String("dot")) {
        answer = clickInBar(ViewReader::findByClass(m_window, "DotsWidget"), number);
    } else if (command == QLatin1String("menu")) {
        answer = clickInBar(ViewReader::findByClass(m_window, "FooterLeftRegion"), 0);
    } else if (command == QLatin1String("grab")) {
        answer = !text.isEmpty() && m_window->grab().save(text) ? ok() : failure(QStringLiteral("cannot save ") + text);
    } else if (command == QLatin1String("cpu")) {
        answer = QJsonObject{{QStringLiteral("ns"), nanoseconds(CLOCK_THREAD_CPUTIME_ID)}};
    } else if (command == QLatin1String("dialog")) {
        answer = DialogDriver::dialog(m_window);
    } else if (command == QLatin1String("press")) {
        answer = DialogDriver::press(m_window, text);
    } else if (command == QLatin1String("type")) {
        answer = DialogDriver::type(m_window, text);
    } else if (command == QLatin1String("quit")) {
        QTimer::singleShot(0, m_window, &QWidget::close);
        answer = ok();
    } else if (!CardProbe::handle(m_window, command, arguments, answer)) {
        answer = failure(QStringLiteral("unknown command %1").arg(command));
    }
    return answer;
}

// Rows count as shown once every one has its label and the table has been
// sized to hold them all.
bool ViewProbe::allRowsShown(int rows)
{
    if (!m_table)
        m_table = ViewReader::deviceTable(m_window);
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

// Start-up counts until the gallery paints with a device in it.
void ViewProbe::waitShown(const Reply& reply, const QPointer<QObject>& asker)
{
    const auto gallery = [this] { return ViewReader::findByClass(m_window, "VisibleDevicesWidget"); };
    poll(this, asker, [this, gallery] { return m_deviceCount > 0 && gallery(); }, [this, gallery, reply] {
        QWidget* shown = gallery();
        new PaintWaiter([shown](const QWidget* widget) { return widget == shown; }, [this, reply] {
            reply(QJsonObject{{QStringLiteral("at"), nanoseconds()},
                              {QStringLiteral("firstPaint"), m_firstPaintAt},
                              {QStringLiteral("firstDevice"), m_firstDeviceAt}});
        });
        shown->update();
    });
}

// From the click on the gallery's setup button, or on a row of the list, to the first
// paint of a settings tab of the card (every tab is built inside the click).
QJsonObject ViewProbe::timeCardOpening(const QStringList& arguments, const Reply& reply)
{
    const qint64 start = nanoseconds();
    auto* waiter = new PaintWaiter(insideSettingsTab, [start, reply] {
        reply(QJsonObject{{QStringLiteral("ns"), nanoseconds() - start}});
    });
    QJsonObject opened;
    CardProbe::handle(m_window, arguments.isEmpty() ? QStringLiteral("open-gallery") : QStringLiteral("open-row"),
                      arguments, opened);
    if (!opened.contains(QLatin1String("error")))
        return QJsonObject();
    delete waiter;
    return opened;
}

// The floor: a plain white panel of the card's size laid over the window, to its first paint.
void ViewProbe::timePlainPanel(const Reply& reply)
{
    const qint64 start = nanoseconds();
    auto* panel = new QFrame(m_window);
    panel->setStyleSheet(QStringLiteral("background: white;"));
    panel->setGeometry(m_window->rect());
    new PaintWaiter([panel](const QWidget* widget) { return widget == panel; }, [panel, start, reply] {
        panel->deleteLater();
        reply(QJsonObject{{QStringLiteral("ns"), nanoseconds() - start}});
    });
    panel->show();
}
