#include "ProbedCase.h"

#include <QtTest>

void ProbedCase::init()
{
    m_app = makeApp();
    m_errors.clear();
}

void ProbedCase::cleanup()
{
    QVERIFY2(m_app->stop(),
             qPrintable(QStringLiteral("exit code %1: %2").arg(m_app->process().exitCode()).arg(errors())));
    QVERIFY2(!errors().contains(QLatin1String("left behind")), qPrintable(errors()));
    m_app.reset();
}

const QString& ProbedCase::errors()
{
    m_errors += m_app->standardError();
    return m_errors;
}

bool ProbedCase::start(const QString& profile, int rows)
{
    QString error;
    if (!m_app->start(profile, &error)) {
        qWarning("%s", qPrintable(error));
        return false;
    }
    return rows < 0 || !m_app->command(QStringLiteral("wait-rows %1").arg(rows), 20000).contains("error");
}

bool ProbedCase::command(const QString& line)
{
    const QJsonObject answer = m_app->command(line);
    if (!answer.value("ok").toBool())
        qWarning("%s: %s", qPrintable(line), qPrintable(answer.value("error").toString()));
    return answer.value("ok").toBool();
}

bool ProbedCase::sim(const QString& line)
{
    QString output;
    const bool done = m_app->simCommand(line, &output);
    if (!done)
        qWarning("%s: %s", qPrintable(line), qPrintable(output));
    return done;
}

QJsonArray ProbedCase::rows(const QJsonObject& snapshot)
{
    return snapshot.value("list").toObject().value("rows").toArray();
}

QStringList ProbedCase::rowLabels(const QJsonObject& snapshot)
{
    QStringList labels;
    for (const QJsonValue& row : rows(snapshot))
        labels << row.toObject().value("label").toString();
    return labels;
}
