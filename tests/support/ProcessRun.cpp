// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/ProcessRun.h"

#include <QProcess>

QProcessEnvironment EnvironmentWithoutDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    return environment;
}

ProcessRun RunProcess(const QString& program, const QStringList& arguments, const QString& workingDirectory,
                      const QProcessEnvironment& environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(workingDirectory);
    process.start(program, arguments);
    // Packaging compresses the whole tree; nothing here is timed.
    const bool finished = process.waitForFinished(-1);
    ProcessRun run;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    if (finished && process.exitStatus() == QProcess::NormalExit)
        run.exitCode = process.exitCode();
    return run;
}
