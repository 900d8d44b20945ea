// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QString>

// Reads a Windows BMP from the current directory by its bare name, afresh on
// every call. Throws FileOpenError(bareName) when the file is missing,
// unreadable, not a regular file, larger than any picture of the program
// (16 MiB, or 1024 pixels a side), not a picture, or a BMP whose pixel rows
// stop short of what its header declares.
QPixmap LoadPictureFile(const QString& bareName);

// The picture drawn at double resolution for screens scaled to 200 %, kept
// beside the plain one: "n3@2x.bmp" for "n3.bmp".
QString TwinPictureFile(const QString& bareName);
