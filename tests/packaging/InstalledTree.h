// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tests/support/ProcessRun.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// The build installed by `cmake --install` under a prefix into a scratch
// staging directory (DESTDIR), as a packager installs it.
class InstalledTree {
public:
    explicit InstalledTree(const QString& prefix = QStringLiteral("/usr"));

    bool installed() const { return install_.exitCode == 0; }
    QString installLog() const { return install_.out + install_.err; }
    // A path of the installed tree, given relative to the prefix.
    QString path(const QString& relative) const;
    QString root() const { return staging_.path(); }
    // Starts the installed `porominka` command in `workingDirectory`.
    ProcessRun runCommand(const QStringList& arguments, const QString& workingDirectory) const;

    // Every file the tree must hold, relative to the staging directory
    // ("usr/bin/porominka"), sorted.
    static QStringList Expected(const QString& prefix);
    // The files under a directory, relative to it, sorted.
    static QStringList FilesUnder(const QString& directory);

private:
    QTemporaryDir staging_;
    QString prefix_;
    ProcessRun install_;
};
