#pragma once

#include <QPixmap>
#include <QString>

// Reads a Windows BMP from the current directory by its bare name, afresh on
// every call. Throws FileOpenError(bareName) when the file is missing,
// unreadable, not a regular file, larger than any picture of the program
// (16 MiB, or 1024 pixels a side), not a picture, or a BMP whose pixel rows
// stop short of what its header declares.
QPixmap LoadPictureFile(const QString& bareName);
