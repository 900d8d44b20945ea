// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QString>

// Reads a Windows BMP from the current directory, afresh on every call.
// Throws FileOpenError(bareName) when the file is missing, unreadable, not a
// picture, or a BMP whose pixel rows stop short of what its header declares.
QPixmap LoadPictureFile(const QString& bareName);

// The picture drawn at double resolution for screens scaled to 200 %, kept
// beside the plain one: "n3@2x.bmp" for "n3.bmp".
QString TwinPictureFile(const QString& bareName);
