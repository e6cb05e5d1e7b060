#include "InputTabsFleet.h"

#include "SimulatedFleet.h"
#include "VisibleMarlix.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>

namespace {

constexpr int kDevices = 5;

const QHash<QString, QString>& displayNames()
{
    static const QHash<QString, QString> names{
        {QStringLiteral("studio"), QStringLiteral("Studio")}, {QStringLiteral("single"), QStringLiteral("Single")},
        {QStringLiteral("field"), QStringLiteral("Field")},   {QStringLiteral("duo-1"), QStringLiteral("Duo (1)")},
        {QStringLiteral("duo-2"), QStringLiteral("Duo (2)")},
    };
    return names;
}

} // namespace

InputTabsFleet::InputTabsFleet() = default;
InputTabsFleet::~InputTabsFleet() = default;

bool InputTabsFleet::configure()
{
    if (!m_config.isValid())
        return false;
    // Linked-slider choices go to a settings file of this run only.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
    SimulatedFleet::configure(QStringLiteral(INPUT_TABS_PROFILE));
    return true;
}

bool InputTabsFleet::start()
{
    m_fleet = std::make_unique<SimulatedFleet>();
    return m_fleet->start(kDevices);
}

bool InputTabsFleet::stop()
{
    m_fleet.reset();
    QString error;
    return SimulatedFleet::resetFleet(&error);
}

VisibleMarlix* InputTabsFleet::device(const QString& id) const
{
    return m_fleet ? m_fleet->device(displayNames().value(id)) : nullptr;
}

int InputTabsFleet::writes(const QString& id, bool reset)
{
    QString answer;
    const QString suffix = reset ? QStringLiteral(" reset") : QString();
    if (!SimulatedFleet::control(QStringLiteral("writes %1%2").arg(id, suffix), &answer))
        return -1;
    return answer.mid(answer.indexOf(QLatin1Char('\n')) + 1).trimmed().toInt();
}

void InputTabsFleet::settle()
{
    SimulatedFleet::control(QStringLiteral("wait"));
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}
