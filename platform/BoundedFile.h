// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Reads a whole file the program ships, by the name given: a bare name is
// opened relative to the working directory, whatever that directory is
// called and however long its path. Nothing comes back, and not one byte is
// read, when the name is not a regular file (a directory, a FIFO, a device, a
// link to one) or the file is larger than maxBytes; nor when it cannot be
// opened or read.
std::optional<QByteArray> ReadBoundedFile(const QString& name, qint64 maxBytes);
