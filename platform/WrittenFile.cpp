// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WrittenFile.h"

#include <QRandomGenerator>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

// The part of a name before its last "/", and the part after.
std::pair<QByteArray, QByteArray> splitName(const QByteArray& name)
{
    const qsizetype slash = name.lastIndexOf('/');
    if (slash < 0)
        return {".", name};
    return {slash == 0 ? QByteArray("/") : name.first(slash), name.sliced(slash + 1)};
}

int openFolder(int from, const QByteArray& path)
{
    return ::openat(from, path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

} // namespace

WrittenFile::WrittenFile(QByteArray name, QByteArray directory)
    : name_(std::move(name))
    , directory_(std::move(directory))
{
}

WrittenFile::~WrittenFile()
{
    discard();
    if (folder_ >= 0)
        ::close(folder_);
}

void WrittenFile::discard()
{
    if (temporary_ >= 0)
        ::close(temporary_);
    if (!temporaryName_.isEmpty())
        ::unlinkat(folder_, temporaryName_.constData(), 0);
    temporary_ = -1;
    temporaryName_.clear();
}

bool WrittenFile::fail(const QString& reason)
{
    error_ = reason;
    discard();
    return false;
}

bool WrittenFile::failWithErrno()
{
    return fail(QString::fromLocal8Bit(std::strerror(errno)));
}

bool WrittenFile::open()
{
    const auto [folderPath, leaf] = splitName(name_);
    leaf_ = leaf;
    if (leaf_.isEmpty() || leaf_ == "." || leaf_ == "..")
        return fail(QString::fromLocal8Bit(std::strerror(EISDIR)));
    const int base = directory_.isEmpty() ? AT_FDCWD : openFolder(AT_FDCWD, directory_);
    if (base < 0 && !directory_.isEmpty())
        return failWithErrno();
    folder_ = openFolder(base, folderPath);
    const int opened = errno;
    if (base >= 0)
        ::close(base);
    if (folder_ < 0) {
        errno = opened;
        return failWithErrno();
    }
    struct stat old {};
    const bool exists = ::fstatat(folder_, leaf_.constData(), &old, AT_SYMLINK_NOFOLLOW) == 0;
    if (exists && S_ISLNK(old.st_mode))
        return fail(QStringLiteral("a symbolic link, not written through"));
    if (exists && !S_ISREG(old.st_mode))
        return fail(QStringLiteral("not a regular file"));
    // A short name of its own, so that a name near the longest a folder
    // allows still leaves room for it.
    for (int attempt = 0; temporary_ < 0 && attempt < 16; ++attempt) {
        temporaryName_ = ".porominka-" + QByteArray::number(QRandomGenerator::global()->generate64(), 36);
        temporary_ = ::openat(folder_, temporaryName_.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (temporary_ < 0 && errno != EEXIST)
            break;
    }
    if (temporary_ < 0) {
        temporaryName_.clear();
        return failWithErrno();
    }
    if (exists)
        ::fchmod(temporary_, old.st_mode & 07777);
    return true;
}

bool WrittenFile::store(const QByteArray& bytes)
{
    for (qsizetype written = 0; written < bytes.size();) {
        const ssize_t got = ::write(temporary_, bytes.constData() + written, std::size_t(bytes.size() - written));
        if (got < 0 && errno != EINTR)
            return failWithErrno();
        written += qMax<ssize_t>(got, 0);
    }
    const bool synced = ::fsync(temporary_) == 0;
    const bool closed = ::close(temporary_) == 0;
    temporary_ = -1;
    return (synced && closed) || failWithErrno();
}

bool WrittenFile::place()
{
    if (::renameat(folder_, temporaryName_.constData(), folder_, leaf_.constData()) != 0)
        return failWithErrno();
    temporaryName_.clear();
    return true;
}

bool WrittenFile::commit(const QByteArray& bytes)
{
    return store(bytes) && place();
}
