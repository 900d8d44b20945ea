// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileOpenError.h"

namespace {
QString messageFor(const QString& fileName)
{
    return QStringLiteral("ﾌｧｲﾙ ") + fileName + QStringLiteral(" は開けません");
}
} // namespace

FileOpenError::FileOpenError(const QString& fileName)
    : std::runtime_error(messageFor(fileName).toStdString())
{
}

QString FileOpenError::message() const
{
    return QString::fromUtf8(what());
}
