// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QStringList>
#include <vector>

// Every generated picture and sound, encoded, with its place in the repository.
namespace AssetFiles {

struct File {
    QString path; // relative to the repository root
    QByteArray bytes;
};

std::vector<File> all();
// Writes every file under `root`; returns the paths that could not be written.
QStringList writeAll(const QDir& root);

} // namespace AssetFiles
