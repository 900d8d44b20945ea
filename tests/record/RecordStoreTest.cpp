// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/RecordStore.h"
#include "tests/record/SampleRecord.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A record that cannot be used is left exactly as it was and the store says
// why: a damaged file, one cut short, one held locked by another program.
// Once the lock is let go, the record is whole, and erasing it empties it.
TEST(RecordStore, LeavesAnUnusableRecordAlone)
{
    const QTemporaryDir directory;
    const QString good = directory.filePath(QStringLiteral("good.sqlite"));
    {
        RecordStore store(good);
        for (const JudgedProblem& problem : SampleRecord(40))
            store.Add(problem);
    }
    const QByteArray whole = bytesOf(good);
    const struct {
        const char* name;
        QByteArray bytes;
    } damaged[] = {
        {"garbage.sqlite", QByteArray(8192, 'x')},
        {"cut.sqlite", whole.left(whole.size() / 2)},
        {"overwritten.sqlite", whole.left(4096) + QByteArray(whole.size() - 4096, '\x5a')},
    };
    for (const auto& [name, bytes] : damaged) {
        SCOPED_TRACE(name);
        QFile file(directory.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        const RecordStore store(file.fileName());
        EXPECT_FALSE(store.IsOpen());
        EXPECT_FALSE(store.Problem().isEmpty());
        EXPECT_TRUE(store.All().empty());
        EXPECT_EQ(bytesOf(file.fileName()), bytes);
    }

    // Locked: another program holds the write lock the whole time.
    QProcess holder;
    holder.start(QStringLiteral("sqlite3"), {good});
    holder.write("BEGIN EXCLUSIVE; SELECT 'held';\n");
    ASSERT_TRUE(holder.waitForReadyRead(10000));
    RecordStore locked(good);
    EXPECT_FALSE(locked.IsOpen());
    EXPECT_FALSE(locked.Add(SampleRecord(1).front()));
    holder.closeWriteChannel();
    holder.waitForFinished();
    RecordStore released(good);
    EXPECT_EQ(released.All().size(), 40U);
    EXPECT_TRUE(released.EraseAll());
    EXPECT_TRUE(RecordStore(good).All().empty());
}

} // namespace
