#pragma once

#include <QString>
#include <QVector>

// Prints one figure per line, with its ratio to a floor and the target it is held to.
namespace BenchFigures
{
double median(QVector<double> values);
void printFloor(const QString& name, double value, const QString& unit);
// ratio = value / floor; within when the ratio (or the value, see below) keeps the limit.
void printAgainstFloor(const QString& name, double value, const QString& unit, double floor, double ratioLimit);
void printAgainstLimit(const QString& name, double value, const QString& unit, double floor, double limit);
void printNote(const QString& text);
// True while every printed figure kept its limit.
bool allWithinLimits();
}
