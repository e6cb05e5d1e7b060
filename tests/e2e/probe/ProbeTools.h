#pragma once

#include <QAbstractButton>
#include <QJsonObject>
#include <QWidget>

#include <ctime>

// What every part of the probe shares: its two answers, the clock, and the
// user's way of finding something on screen.
namespace ProbeTools
{
inline QJsonObject failure(const QString& reason)
{
    return QJsonObject{{QStringLiteral("error"), reason}};
}

inline QJsonObject ok()
{
    return QJsonObject{{QStringLiteral("ok"), true}};
}

inline qint64 nanoseconds(clockid_t clock = CLOCK_MONOTONIC)
{
    timespec now{};
    clock_gettime(clock, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// Shown with root, whether or not root itself is on screen.
template <typename T>
QList<T*> shown(QWidget* root, const char* className = nullptr)
{
    QList<T*> result;
    for (T* widget : root ? root->findChildren<T*>() : QList<T*>()) {
        if (widget->isVisibleTo(root) && (!className || widget->inherits(className)))
            result << widget;
    }
    return result;
}

// A button as the user names it: by its text, or by its tooltip when it shows a picture.
inline QString buttonName(const QAbstractButton* button)
{
    return button->text().isEmpty() ? button->toolTip() : button->text();
}

inline QAbstractButton* button(QWidget* root, const QString& name, const char* className = nullptr)
{
    for (QAbstractButton* candidate : shown<QAbstractButton>(root, className)) {
        if (candidate->isEnabled() && buttonName(candidate) == name)
            return candidate;
    }
    return nullptr;
}

inline QJsonObject click(QAbstractButton* button, const QString& name)
{
    if (!button)
        return failure(QStringLiteral("no button %1").arg(name));
    button->click();
    return ok();
}
}
