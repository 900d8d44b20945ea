// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CurrentDirectory.h"

#include <QFile>

#include <filesystem>

// std::filesystem asks the system for a buffer as long as the path needs;
// Qt's own query stops at PATH_MAX.
QString CurrentDirectoryWithSeparator()
{
    const std::string native = std::filesystem::current_path().native();
    return QFile::decodeName(QByteArray::fromStdString(native)) + QLatin1Char('/');
}
