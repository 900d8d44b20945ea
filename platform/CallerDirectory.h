// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Where a file name typed on the command line belongs. The launcher changes
// into the program's own directory and names the one it was started from in
// POROMINKA_CALLER_DIR; run directly, the program's working directory is the
// caller's, and the bytes come back empty. A relative name given through a
// launcher that could not name its directory (it was deleted) belongs
// nowhere: nothing comes back.
std::optional<QByteArray> CallerDirectoryFor(const QString& file);

// The file name as the program opens it: relative to the caller's directory.
QString CallersFile(const QString& file, const QByteArray& directory);
