#include "TabHands.h"

#include "CardSection.h"
#include "SimulatedFleet.h"
#include "TabProbe.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
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

int TabHands::writes(const QString& id, bool reset)
{
    const QString answer = answerOf(QStringLiteral("writes %1%2").arg(id, reset ? QStringLiteral(" reset") : QString()));
    bool ok = false;
    const int count = answer.toInt(&ok);
    return ok ? count : -1;
}

QString TabHands::live(const QString& id, const QString& item)
{
    return answerOf(QStringLiteral("setting %1 %2").arg(id, item));
}

void TabHands::settle()
{
    SimulatedFleet::control(QStringLiteral("wait"));
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

bool TabHands::act(QWidget* tab, const QString& line)
{
    const QStringList words = line.split(QLatin1Char(' '));
    return TabProbe::onTab(tab, words.first(), words.mid(1)).value(QLatin1String("ok")).toBool();
}

QStringList TabHands::texts(const QWidget* tab, bool shownOnly)
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
