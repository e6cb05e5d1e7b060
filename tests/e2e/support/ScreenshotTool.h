#pragma once

#include <QDir>
#include <QStringList>

#include <functional>

class ProbedApp;

// What the documentation screenshot tools share: one line per fault on standard
// error, named after the tool, the single OUTPUT_DIRECTORY argument, and stories
// told as lists of probe commands.
namespace ScreenshotTool {

// Prints the fault; always false, so that steps chain with &&.
bool fail(const QString& what);
// Runs the lines against the program, each a probe command that must not answer
// with an error, except:
//   grab FILE, card-grab-tab FILE   saved under the output directory once the window rests
//   wait COMMAND TEXT               until the answer to COMMAND shows TEXT
//   gone COMMAND TEXT               until it no longer does
bool steps(ProbedApp& app, const QDir& output, const QStringList& lines);
// The program started on a profile (empty: the built-in fleet) until its rows show, then the lines.
bool shoot(const QString& profile, int rows, const QDir& output, const QStringList& lines);
// Runs save(OUTPUT_DIRECTORY): 0 on success, 1 when a step failed, 2 on bad usage.
int run(int argc, char** argv, const std::function<bool(const QDir&)>& save);

} // namespace ScreenshotTool
