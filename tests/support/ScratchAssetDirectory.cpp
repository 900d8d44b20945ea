// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/ScratchAssetDirectory.h"

#include <QDir>
#include <QFile>
#include <stdexcept>

ScratchAssetDirectory::ScratchAssetDirectory(const QStringList& leftOut)
{
    if (!dir_.isValid())
        throw std::runtime_error("cannot create a scratch directory");
    const QDir assets(QStringLiteral(DRILL_ASSETS_DIR));
    for (const QString& name : assets.entryList(QDir::Files)) {
        if (leftOut.contains(name))
            continue;
        QFile::copy(assets.filePath(name), QDir(dir_.path()).filePath(name));
    }
    QDir::setCurrent(dir_.path());
}

void ScratchAssetDirectory::remove(const QString& fileName) const
{
    QFile::remove(QDir(dir_.path()).filePath(fileName));
}

void ScratchAssetDirectory::write(const QString& fileName, const QByteArray& bytes) const
{
    QFile file(QDir(dir_.path()).filePath(fileName));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("cannot write a scratch asset");
    file.write(bytes);
}
