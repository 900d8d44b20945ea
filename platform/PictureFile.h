// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QString>

#include <optional>

// Reads a Windows BMP from the current directory by its bare name, afresh on
// every call. Throws FileOpenError(bareName) when the file is missing,
// unreadable, not a regular file, larger than any picture of the program
// (16 MiB, or 1024 pixels a side), not a picture, a BMP whose pixels are
// compressed, or one whose pixel rows stop short of what its header declares.
QPixmap LoadPictureFile(const QString& bareName);

// The picture drawn at double resolution for screens scaled to 200 %, kept
// beside the plain one: "n3@2x.bmp" for "n3.bmp".
QString TwinPictureFile(const QString& bareName);

// The twin of a plain picture, to be shown at the plain picture's size on a
// screen scaled to 200 %. Nothing comes back for a twin that is missing,
// unreadable or not exactly twice the plain picture's size: the plain
// picture is then shown, without a word.
std::optional<QPixmap> LoadTwinPicture(const QString& bareName, const QPixmap& plain);
