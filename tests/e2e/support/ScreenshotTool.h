#pragma once

#include <QJsonObject>
#include <QString>

#include <functional>

// What the documentation screenshot tools share: one line per fault on standard
// error, named after the tool, and the single OUTPUT_DIRECTORY argument.
namespace ScreenshotTool {

// Prints the fault; always false, so that steps chain with &&.
bool fail(const QString& what);
// True for a probe answer without "error"; otherwise prints it.
bool ok(const QJsonObject& answer, const QString& what);
// Runs save(OUTPUT_DIRECTORY): 0 on success, 1 when a step failed, 2 on bad usage.
int run(int argc, char** argv, const std::function<bool(const QString&)>& save);

} // namespace ScreenshotTool
