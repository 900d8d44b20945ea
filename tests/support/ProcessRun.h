// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// One run of a program to its end, with what it printed.
struct ProcessRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// The environment of a shell with no display at all: a program that tried to
// open a window would fail.
QProcessEnvironment EnvironmentWithoutDisplay();

// Runs `program` in `workingDirectory`; a program that cannot be started, or
// crashes, gives exit code -1.
ProcessRun RunProcess(const QString& program, const QStringList& arguments, const QString& workingDirectory,
                      const QProcessEnvironment& environment = EnvironmentWithoutDisplay());
