#include "ShellExec.h"

#include <QProcess>

int ShellExec(const QString& command, QString* output, int timeoutMs)
{
    QStringList arguments = QProcess::splitCommand(command);
    if (arguments.isEmpty())
        return 1;
    const QString program = arguments.takeFirst();

    QProcess process;
    process.start(program, arguments, QIODevice::ReadWrite);
    if (!process.waitForStarted(timeoutMs))
        return 1;
    // Nothing is fed to the command; close its input so it cannot wait for some.
    process.closeWriteChannel();
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(timeoutMs);
        return 1;
    }
    if (process.exitStatus() != QProcess::NormalExit)
        return 1;
    if (output)
        *output = QString::fromLatin1(process.readAllStandardOutput().constData());
    return process.exitCode();
}

CommandRunner shellCommandRunner(int timeoutMs)
{
    return [timeoutMs](const QString& command, QString* output) { return ShellExec(command, output, timeoutMs); };
}
