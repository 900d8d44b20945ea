// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tests/support/CurrentDirectoryGuard.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A temporary working directory holding copies of the program's asset files,
// made current for the lifetime of the object. Files named in `leftOut` are
// not copied, so a test can see what the program does when they are missing.
class ScratchAssetDirectory {
public:
    explicit ScratchAssetDirectory(const QStringList& leftOut = {});

    ScratchAssetDirectory(const ScratchAssetDirectory&) = delete;
    ScratchAssetDirectory& operator=(const ScratchAssetDirectory&) = delete;

    QString path() const { return dir_.path(); }
    // Removes one asset from the scratch directory after it was set up.
    void remove(const QString& fileName) const;
    // Overwrites one asset with the given bytes (a damaged or foreign file).
    void write(const QString& fileName, const QByteArray& bytes) const;

private:
    QTemporaryDir dir_;
    // Declared after the directory, so the old one is current again before
    // this one is removed.
    CurrentDirectoryGuard previous_;
};
