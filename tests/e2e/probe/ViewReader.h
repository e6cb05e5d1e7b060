#pragma once

#include <QJsonObject>

class QTableWidget;
class QWidget;

// Reads what the main window shows, as JSON: the gallery with the current
// device's summary, the list view's table and the window's size. Widgets are
// found by class and object name; texts are read through Qt's own API.
namespace ViewReader
{
QJsonObject snapshot(QWidget* window);
QWidget* findByClass(QWidget* root, const char* className);
QTableWidget* deviceTable(QWidget* window);
}
