// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/RecordFile.h"
#include "tests/record/SampleRecord.h"
#include "tests/support/ProcessRun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <functional>

namespace {

// The program as a parent runs it from a terminal, with its record in a
// data directory of its own.
class RecordCommand : public testing::Test {
protected:
    ProcessRun Run(const QStringList& arguments) const
    {
        QProcessEnvironment environment = EnvironmentWithoutDisplay();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), data_.path());
        return RunProcess(QStringLiteral(POROMINKA_PROGRAM), arguments, files_.path(), environment);
    }

    QString Write(const char* name, const QByteArray& bytes) const
    {
        QFile file(files_.filePath(QString::fromLatin1(name)));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return file.fileName();
    }

    QByteArray Read(const QString& path) const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The whole record as it stands, its file and its write-ahead log alike.
    QByteArray Snapshot() const
    {
        Run({"--export-record", "snapshot.json"});
        return Read(files_.filePath(QStringLiteral("snapshot.json")));
    }

    QTemporaryDir data_;
    QTemporaryDir files_;
};

// Imported twice, the record holds each problem once, and its export is the
// file it came from, the misconception its problems showed named in it.
TEST_F(RecordCommand, ImportMergesAndExportGivesItBack)
{
    const QByteArray sample = RecordJson(SampleRecord(12));
    // The child borrowed without lowering in two problems of three.
    EXPECT_TRUE(sample.contains("\"id\": \"borrow-no-decrement\"")) << sample.toStdString();
    Write("sample.json", sample);
    const ProcessRun first = Run({"--import-record", "sample.json"});
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
    EXPECT_EQ(first.out.trimmed(), QStringLiteral("12"));
    EXPECT_EQ(Run({"--import-record", "sample.json"}).out.trimmed(), QStringLiteral("0"));
    const ProcessRun exported = Run({"--export-record", "back.json"});
    ASSERT_EQ(exported.exitCode, 0) << exported.err.toStdString();
    EXPECT_EQ(Read(files_.filePath(QStringLiteral("back.json"))), sample);
}

// A damaged or foreign file: status 2, one line saying what is wrong, and
// the record exactly as it was.
TEST_F(RecordCommand, RefusesADamagedOrForeignFileAndChangesNothing)
{
    Write("sample.json", RecordJson(SampleRecord(6)));
    ASSERT_EQ(Run({"--import-record", "sample.json"}).exitCode, 0);
    const QByteArray before = Snapshot();
    ASSERT_FALSE(before.isEmpty());
    const QByteArray good = RecordJson(SampleRecord(3, 1'900'000'000'000));
    const struct {
        const char* name;
        QByteArray bytes;
        const char* says;
    } refusals[] = {
        {"cut.json", good.left(good.size() / 2), "not JSON"},
        {"other.json", R"({"format": "someone-else", "problems": []})", "not a record of porominka"},
        {"list.json", "[1, 2, 3]", "not a record of porominka"},
        {"version.json", QByteArray(good).replace("\"version\": 1", "\"version\": 2"), "a record of another version"},
        {"id.json", QByteArray(good).replace("\"outcome\": \"correct\"", "\"outcome\": \"fine\""), "\"outcome\" is not"},
        {"sum.json", QByteArray(good).replace("\"lower\": ", "\"lower\": 9"), "a problem the drill cannot pose"},
        {"negative.json", QByteArray(good).replace("\"upper\": ", "\"upper\": -"), "\"upper\" is not a whole number"},
        {"cells.json", QByteArray(good).replace("\"strikes\": \"", "\"strikes\": \"/"), "a problem the drill cannot"},
        {"missing.json", QByteArray(good).replace("\"seconds\"", "\"second\""), "\"seconds\" is missing"},
        {"time.json", QByteArray(good).replace("2030-", "2030/"), "\"judgedAt\" is not a time"},
    };
    for (const auto& refusal : refusals) {
        SCOPED_TRACE(refusal.name);
        Write(refusal.name, refusal.bytes);
        const ProcessRun run = Run({"--import-record", QString::fromLatin1(refusal.name)});
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(refusal.says))) << run.err.toStdString();
        EXPECT_EQ(run.err.count(u'\n'), 1);
        EXPECT_EQ(Snapshot(), before);
    }
    EXPECT_EQ(Run({"--import-record", "no-such.json"}).exitCode, 2);
}

// Only regular files move the record: a FIFO is refused without waiting for
// a writer, and an export never writes through a link, into a FIFO or over a
// directory. Each refusal is one line with status 2, and leaves the name as
// it was.
TEST_F(RecordCommand, MovesOnlyThroughRegularFiles)
{
    Write("sample.json", RecordJson(SampleRecord(2)));
    ASSERT_EQ(Run({"--import-record", "sample.json"}).exitCode, 0);
    const QString kept = Write("kept.json", "the parent's own file");
    const struct {
        const char* name;
        std::function<bool(const QString&)> make;
    } targets[] = {
        {"fifo", [](const QString& name) { return mkfifo(QFile::encodeName(name).constData(), 0600) == 0; }},
        {"link", [&](const QString& name) { return QFile::link(kept, name); }},
        {"directory", [](const QString& name) { return QDir().mkdir(name); }},
    };
    for (const auto& target : targets) {
        SCOPED_TRACE(target.name);
        const QString name = files_.filePath(QString::fromLatin1(target.name));
        ASSERT_TRUE(target.make(name));
        const QFileInfo before(name);
        for (const char* option : {"--export-record", "--import-record"}) {
            const ProcessRun run = Run({QString::fromLatin1(option), name});
            EXPECT_EQ(run.exitCode, 2) << option;
            EXPECT_EQ(run.err.count(u'\n'), 1) << run.err.toStdString();
        }
        const QFileInfo after(name);
        EXPECT_EQ(after.isSymLink(), before.isSymLink());
        EXPECT_EQ(after.isDir(), before.isDir());
        EXPECT_EQ(Read(kept), "the parent's own file");
    }
}

} // namespace
