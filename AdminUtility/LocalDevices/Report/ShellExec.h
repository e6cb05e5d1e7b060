#pragma once

#include <QString>

#include <functional>

// How long a host command may take to start, and again to finish.
constexpr int kShellExecTimeoutMs = 30000;

// Runs a command line (no shell: the program and its arguments, split at
// white space, double quotes grouping) and keeps all of its standard output, up to the
// first zero byte. Answers the exit code, or 1 with the output untouched when
// the command cannot be started or does not finish within the bound; a command
// that overruns is killed.
int ShellExec(const QString& command, QString* output, int timeoutMs = kShellExecTimeoutMs);

// A way to run one host command, as ShellExec does; tests and benchmarks
// substitute their own.
using CommandRunner = std::function<int(const QString& command, QString* output)>;
CommandRunner shellCommandRunner(int timeoutMs = kShellExecTimeoutMs);
