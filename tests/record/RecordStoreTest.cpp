// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/RecordFile.h"
#include "record/RecordStore.h"
#include "tests/record/SampleRecord.h"

#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What a record holds comes back the same through its JSON file: into an
// empty record and into the same one again, nothing twice; and the file the
// import gives is the file it came from.
TEST(RecordStore, ExportThenImportGivesTheSameRecord)
{
    const QTemporaryDir directory;
    const auto sample = SampleRecord(30);
    RecordStore first(directory.filePath(QStringLiteral("first.sqlite")));
    ASSERT_TRUE(first.IsOpen()) << first.Problem().toStdString();
    for (const JudgedProblem& problem : sample)
        ASSERT_TRUE(first.Add(problem));
    ASSERT_EQ(first.All(), sample);
    const QByteArray exported = RecordJson(first.All());

    RecordStore second(directory.filePath(QStringLiteral("second.sqlite")));
    const auto read = ReadRecordJson(exported);
    ASSERT_TRUE(std::holds_alternative<std::vector<JudgedProblem>>(read));
    EXPECT_EQ(second.Merge(std::get<0>(read)), 30);
    EXPECT_EQ(second.Merge(std::get<0>(read)), 0);
    EXPECT_EQ(first.Merge(std::get<0>(read)), 0);
    EXPECT_EQ(second.All(), sample);
    EXPECT_EQ(RecordJson(second.All()), exported);
    // The child borrowed without lowering in two problems of three: named.
    EXPECT_TRUE(exported.contains("\"id\": \"borrow-no-decrement\"")) << exported.toStdString();
    EXPECT_TRUE(second.EraseAll());
    EXPECT_TRUE(second.All().empty());
}

// A record that cannot be used is left exactly as it was and the store says
// why: a damaged file, one cut short, one held locked by another program,
// one where nothing can be written.
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
        std::function<QString()> make;
    } cases[] = {
        {"garbage", [&] {
             QFile file(directory.filePath(QStringLiteral("garbage.sqlite")));
             file.open(QIODevice::WriteOnly);
             file.write(QByteArray(8192, 'x'));
             return file.fileName();
         }},
        {"cut short", [&] {
             QFile file(directory.filePath(QStringLiteral("cut.sqlite")));
             file.open(QIODevice::WriteOnly);
             file.write(whole.left(whole.size() / 2));
             return file.fileName();
         }},
        {"pages overwritten", [&] {
             QFile file(directory.filePath(QStringLiteral("overwritten.sqlite")));
             file.open(QIODevice::WriteOnly);
             file.write(whole.left(4096) + QByteArray(whole.size() - 4096, '\x5a'));
             return file.fileName();
         }},
        {"nowhere to write", [] { return QStringLiteral("/proc/porominka/record.sqlite"); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = c.make();
        const QByteArray before = bytesOf(path);
        const RecordStore store(path);
        EXPECT_FALSE(store.IsOpen());
        EXPECT_FALSE(store.Problem().isEmpty());
        EXPECT_TRUE(store.All().empty());
        EXPECT_EQ(bytesOf(path), before);
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
}

} // namespace
