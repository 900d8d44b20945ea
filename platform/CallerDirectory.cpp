// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CallerDirectory.h"

#include "platform/NativeName.h"

std::optional<QByteArray> CallerDirectoryFor(const QString& file)
{
    const QByteArray directory = qgetenv("POROMINKA_CALLER_DIR");
    if (qEnvironmentVariableIsSet("POROMINKA_CALLER_DIR") && directory.isEmpty() && !file.startsWith(u'/'))
        return std::nullopt;
    return directory;
}

QString CallersFile(const QString& file, const QByteArray& directory)
{
    if (directory.isEmpty() || file.startsWith(u'/'))
        return file;
    return NameFromBytes(directory) + u'/' + file;
}
