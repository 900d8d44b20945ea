// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>

// One run of a program to its end, with what it printed.
struct ProcessRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// The environment of a shell with no display at all: a program that tried to
// open a window would fail.
inline QProcessEnvironment EnvironmentWithoutDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    return environment;
}

// Runs `program` in `workingDirectory`, its standard output kept or, when
// `outputFile` is given, written there; a program that cannot be started, or
// crashes, gives exit code -1.
inline ProcessRun RunProcess(const QString& program, const QStringList& arguments, const QString& workingDirectory,
                             const QProcessEnvironment& environment = EnvironmentWithoutDisplay(),
                             const QString& outputFile = QString())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(workingDirectory);
    if (!outputFile.isEmpty())
        process.setStandardOutputFile(outputFile);
    process.start(program, arguments);
    // Packaging compresses the whole tree; nothing here is timed.
    const bool exited = process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit;
    return {exited ? process.exitCode() : -1, QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}
