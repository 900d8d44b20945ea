// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/BoundedFile.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

std::optional<QByteArray> readOpened(int fd, qint64 maxBytes)
{
    // The checks look at what was opened, not at the name, which could be
    // pointed elsewhere in between.
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size > maxBytes)
        return std::nullopt;
    // Room for one byte more tells of a file that grows while it is read.
    QByteArray bytes(qsizetype(status.st_size) + 1, Qt::Uninitialized);
    qsizetype filled = 0;
    while (filled < bytes.size()) {
        const ssize_t got = ::read(fd, bytes.data() + filled, std::size_t(bytes.size() - filled));
        if (got == 0)
            break;
        if (got < 0 && errno != EINTR)
            return std::nullopt;
        filled += qMax<ssize_t>(got, 0);
    }
    if (filled > status.st_size)
        return std::nullopt;
    bytes.truncate(filled);
    return bytes;
}

} // namespace

std::optional<QByteArray> ReadBoundedFile(const QString& name, qint64 maxBytes)
{
    // Opening a FIFO for reading would wait for a writer; without blocking
    // it opens at once and is refused like any other special file.
    const int fd = ::open(QFile::encodeName(name).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return std::nullopt;
    std::optional<QByteArray> bytes = readOpened(fd, maxBytes);
    ::close(fd);
    return bytes;
}
