// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// A file the user named, written whole or not at all. The name is the
// caller's bytes; a relative one counts from `directory`, or from the working
// directory (by descriptor, so a directory too long to name still works, and
// a deleted one refuses). Only a new name or a regular file is written: a
// symbolic link, a directory, a device or a FIFO is refused and left as it
// is. The bytes go to a temporary beside the file, which takes the file's
// place only once they are all on the disk; an old file keeps its
// permissions and stays intact on any failure, and no temporary is left.
class WrittenFile {
public:
    explicit WrittenFile(QByteArray name, QByteArray directory = {});
    ~WrittenFile();
    WrittenFile(const WrittenFile&) = delete;
    WrittenFile& operator=(const WrittenFile&) = delete;

    // Checks the name and makes the temporary; false, with errorString(),
    // when either cannot be done.
    bool open();
    // Writes the bytes and puts them in the file's place; false, with
    // errorString(), when anything failed.
    bool commit(const QByteArray& bytes);
    // The two halves of commit, for files that appear together: every one
    // stored on the disk before any takes its place.
    bool store(const QByteArray& bytes);
    bool place();
    QString errorString() const { return error_; }

private:
    // Closes and removes the temporary, if there is one.
    void discard();
    bool fail(const QString& reason);
    bool failWithErrno();

    QByteArray name_;
    QByteArray directory_;
    int folder_ = -1;
    int temporary_ = -1;
    QByteArray leaf_;
    QByteArray temporaryName_;
    QString error_;
};
