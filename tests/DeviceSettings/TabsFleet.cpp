#include "TabsFleet.h"

#include "CardSection.h"
#include "SimulatedFleet.h"
#include "TabProbe.h"
#include "VisibleMarlix.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QLabel>

namespace {

const QHash<QString, QString>& displayNames()
{
    static const QHash<QString, QString> names{
        {QStringLiteral("studio"), QStringLiteral("Studio")}, {QStringLiteral("single"), QStringLiteral("Single")},
        {QStringLiteral("field"), QStringLiteral("Field")},   {QStringLiteral("duo-1"), QStringLiteral("Duo (1)")},
        {QStringLiteral("duo-2"), QStringLiteral("Duo (2)")}, {QStringLiteral("rich"), QStringLiteral("Rich")},
        {QStringLiteral("overall"), QStringLiteral("Overall gain")},
        {QStringLiteral("fixed"), QStringLiteral("Fixed analog")}, {QStringLiteral("plain"), QStringLiteral("Plain")},
    };
    return names;
}

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
QList<T*> visible(const QWidget* tab)
{
    QList<T*> found;
    for (T* widget : tab->findChildren<T*>()) {
        if (widget->isVisibleTo(tab))
            found << widget;
    }
    return found;
}

QString nameOf(const QAbstractButton* button)
{
    return button->text().isEmpty() ? button->toolTip() : button->text();
}

} // namespace

TabsFleet::TabsFleet(const QString& profile, int devices) : m_profile(profile), m_devices(devices) {}
TabsFleet::~TabsFleet() = default;

bool TabsFleet::configure()
{
    if (!m_config.isValid())
        return false;
    // Linked-slider choices go to a settings file of this run only.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
    SimulatedFleet::configure(m_profile);
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
    return m_fleet ? m_fleet->device(displayNames().value(id, id)) : nullptr;
}

QList<VisibleMarlix*> TabsFleet::devices() const
{
    return m_fleet ? m_fleet->devices() : QList<VisibleMarlix*>();
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

bool TabsFleet::click(QWidget* tab, const QString& name)
{
    return TabProbe::onTab(tab, QStringLiteral("card-click"), {name}).value("ok").toBool();
}

bool TabsFleet::choose(QWidget* tab, const QString& item)
{
    return TabProbe::onTab(tab, QStringLiteral("card-choose"), {item}).value("ok").toBool();
}

bool TabsFleet::type(QWidget* tab, const QString& label, const QString& text)
{
    return TabProbe::onTab(tab, QStringLiteral("card-field"), {label, text}).value("ok").toBool();
}

QStringList TabsFleet::shownTexts(const QWidget* tab)
{
    QStringList texts;
    for (const CardSection* section : visible<CardSection>(tab))
        texts << section->title();
    for (const QLabel* label : visible<QLabel>(tab))
        texts << label->text();
    for (const QAbstractButton* button : visible<QAbstractButton>(tab))
        texts << nameOf(button);
    return texts;
}
