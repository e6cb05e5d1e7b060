#include "BenchFigures.h"

#include <algorithm>
#include <cstdio>

namespace {

bool g_withinLimits = true;

void printLine(const QString& line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

QString verdict(bool within)
{
    g_withinLimits = g_withinLimits && within;
    return within ? QStringLiteral("ok") : QStringLiteral("OVER");
}

} // namespace

namespace BenchFigures {

double median(QVector<double> values)
{
    if (values.isEmpty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const int middle = values.size() / 2;
    return values.size() % 2 ? values.at(middle) : (values.at(middle - 1) + values.at(middle)) / 2.0;
}

void printFloor(const QString& name, double value, const QString& unit)
{
    printLine(QStringLiteral("%1: %2 %3 (floor)").arg(name).arg(value, 0, 'f', 3).arg(unit));
}

void printAgainstFloor(const QString& name, double value, const QString& unit, double floor, double ratioLimit)
{
    const double ratio = floor > 0 ? value / floor : 0.0;
    printLine(QStringLiteral("%1: %2 %3 = %4 x floor (limit %5 x) %6")
                  .arg(name)
                  .arg(value, 0, 'f', 3)
                  .arg(unit)
                  .arg(ratio, 0, 'f', 2)
                  .arg(ratioLimit, 0, 'f', 2)
                  .arg(verdict(ratio <= ratioLimit)));
}

void printAgainstLimit(const QString& name, double value, const QString& unit, double floor, double limit)
{
    const double ratio = floor > 0 ? value / floor : 0.0;
    printLine(QStringLiteral("%1: %2 %3 = %4 x floor (limit %5 %3) %6")
                  .arg(name)
                  .arg(value, 0, 'f', 3)
                  .arg(unit)
                  .arg(ratio, 0, 'f', 2)
                  .arg(limit, 0, 'f', 3)
                  .arg(verdict(value <= limit)));
}

void printNote(const QString& text)
{
    printLine(text);
}

bool allWithinLimits()
{
    return g_withinLimits;
}

} // namespace BenchFigures
