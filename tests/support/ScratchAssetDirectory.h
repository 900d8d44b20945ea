#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A temporary working directory holding copies of the program's asset files,
// made current for the lifetime of the object. Files named in `leftOut` are
// not copied, so a test can see what the program does when they are missing.
class ScratchAssetDirectory {
public:
    explicit ScratchAssetDirectory(const QStringList& leftOut = {});
    ~ScratchAssetDirectory();

    ScratchAssetDirectory(const ScratchAssetDirectory&) = delete;
    ScratchAssetDirectory& operator=(const ScratchAssetDirectory&) = delete;

    QString path() const { return dir_.path(); }
    // Removes one asset from the scratch directory after it was set up.
    void remove(const QString& fileName) const;
    // Overwrites one asset with the given bytes (a damaged or foreign file).
    void write(const QString& fileName, const QByteArray& bytes) const;

private:
    QTemporaryDir dir_;
    QString previous_;
};
