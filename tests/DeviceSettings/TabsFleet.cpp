#include "TabsFleet.h"

#include "CardSection.h"
#include "SimulatedFleet.h"
#include "TabProbe.h"
#include "VisibleMarlix.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>

namespace {

// The last line of a control command's answer.
QString answerOf(const QString& line)
{
    QString answer;
    if (!SimulatedFleet::control(line, &answer))
        return QStringLiteral("error: ") + answer;
    const QStringList lines = answer.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return lines.isEmpty() ? QString() : lines.last().trimmed();
}

template <typename T>
QList<T*> childrenOf(const QWidget* tab, bool shownOnly)
{
    QList<T*> found;
    for (T* widget : tab->findChildren<T*>()) {
        if (!shownOnly || widget->isVisibleTo(tab))
            found << widget;
    }
    return found;
}

} // namespace

TabsFleet::TabsFleet(const QStringList& profiles, int devices) : m_profiles(profiles), m_devices(devices) {}
TabsFleet::~TabsFleet() = default;

// The profiles' templates and devices go into one profile of this run.
bool TabsFleet::configure()
{
    if (!m_config.isValid())
        return false;
    QJsonObject templates;
    QJsonArray devices;
    for (const QString& path : qAsConst(m_profiles)) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return false;
        const QJsonObject profile = QJsonDocument::fromJson(file.readAll()).object();
        const QJsonObject own = profile.value(QLatin1String("templates")).toObject();
        for (auto it = own.begin(); it != own.end(); ++it)
            templates.insert(it.key(), it.value());
        for (const QJsonValue& device : profile.value(QLatin1String("devices")).toArray()) {
            devices.append(device);
            const QJsonObject fields = device.toObject();
            m_names.insert(fields.value(QLatin1String("id")).toString(),
                           fields.value(QLatin1String("displayName")).toString());
        }
    }
    QFile merged(m_config.filePath(QStringLiteral("fleet.json")));
    const QJsonObject fleet{{QStringLiteral("templates"), templates}, {QStringLiteral("devices"), devices}};
    if (!merged.open(QIODevice::WriteOnly) || merged.write(QJsonDocument(fleet).toJson()) <= 0)
        return false;
    merged.close();
    // Linked-slider choices go to a settings file of this run only.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.filePath(QStringLiteral("config"))));
    SimulatedFleet::configure(merged.fileName());
    return true;
}

bool TabsFleet::start()
{
    m_fleet = std::make_unique<SimulatedFleet>();
    return m_fleet->start(m_devices);
}

bool TabsFleet::stop()
{
    m_fleet.reset();
    QString error;
    return SimulatedFleet::resetFleet(&error);
}

VisibleMarlix* TabsFleet::device(const QString& id) const
{
    const QString name = m_names.value(id);
    return m_fleet ? m_fleet->device(name.isEmpty() ? id : name) : nullptr;
}

int TabsFleet::writes(const QString& id, bool reset)
{
    const QString answer = answerOf(QStringLiteral("writes %1%2").arg(id, reset ? QStringLiteral(" reset") : QString()));
    bool ok = false;
    const int count = answer.toInt(&ok);
    return ok ? count : -1;
}

QString TabsFleet::live(const QString& id, const QString& item)
{
    return answerOf(QStringLiteral("setting %1 %2").arg(id, item));
}

void TabsFleet::settle()
{
    SimulatedFleet::control(QStringLiteral("wait"));
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

bool TabsFleet::act(QWidget* tab, const QString& line)
{
    const QStringList words = line.split(QLatin1Char(' '));
    return TabProbe::onTab(tab, words.first(), words.mid(1)).value(QLatin1String("ok")).toBool();
}

QStringList TabsFleet::texts(const QWidget* tab, bool shownOnly)
{
    QStringList texts;
    for (const CardSection* section : childrenOf<CardSection>(tab, shownOnly))
        texts << section->title();
    for (const QLabel* label : childrenOf<QLabel>(tab, shownOnly))
        texts << label->text();
    for (const QAbstractButton* button : childrenOf<QAbstractButton>(tab, shownOnly))
        texts << button->text() << button->toolTip();
    for (const QComboBox* combo : childrenOf<QComboBox>(tab, shownOnly)) {
        for (int i = 0; i < combo->count(); ++i)
            texts << combo->itemText(i);
    }
    return texts;
}
