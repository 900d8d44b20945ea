// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <stdexcept>

// A temporary working directory holding copies of the program's asset files,
// made current for the lifetime of the object. Files named in `leftOut` are
// not copied, so a test can see what the program does when they are missing.
class ScratchAssetDirectory {
public:
    explicit ScratchAssetDirectory(const QStringList& leftOut = {})
    {
        if (!dir_.isValid())
            throw std::runtime_error("cannot create a scratch directory");
        const QDir assets(QStringLiteral(DRILL_ASSETS_DIR));
        for (const QString& name : assets.entryList(QDir::Files))
            if (!leftOut.contains(name))
                QFile::copy(assets.filePath(name), dir_.filePath(name));
        QDir::setCurrent(dir_.path());
    }
    // The old directory is current again before this one is removed.
    ~ScratchAssetDirectory() { QDir::setCurrent(previous_); }

    QString path() const { return dir_.path(); }
    // Removes one asset from the scratch directory after it was set up.
    void remove(const QString& fileName) const { QFile::remove(dir_.filePath(fileName)); }
    // Overwrites one asset with the given bytes (a damaged or foreign file).
    void write(const QString& fileName, const QByteArray& bytes) const
    {
        QFile file(dir_.filePath(fileName));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw std::runtime_error("cannot write a scratch asset");
        file.write(bytes);
    }

private:
    QString previous_ = QDir::currentPath();
    // Not copyable, as the directory is not.
    QTemporaryDir dir_;
};
