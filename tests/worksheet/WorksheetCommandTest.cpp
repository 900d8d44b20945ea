// SPDX-License-Identifier: GPL-3.0-or-later
#include "mistakes/Sighting.h"
#include "tests/support/PaperRows.h"
#include "tests/support/ProcessRun.h"
#include "tests/worksheet/PdfText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <vector>

namespace {

// The program runs as a parent starts it from a terminal, with no display at
// all. Each refusal: status 2, one line naming the option and what it takes,
// and nothing written.
TEST(WorksheetCommand, RefusesBadInputAndWritesNothing)
{
    QTemporaryDir directory;
    const QStringList sheet{"--worksheet", "sheet.pdf"};
    const struct { QStringList arguments; const char* says; } refusals[] = {
        {{"--problems", "20"}, "--problems: goes with --worksheet"},
        {sheet + QStringList{"--range", "15"}, "--range: \"15\" is not one of 10, 20, 100, 1000, 9999"},
        {sheet + QStringList{"--carry", "sometimes"}, "--carry: \"sometimes\" is not one of none, always, mixed"},
        {sheet + QStringList{"--operation", "times"}, "--operation: \"times\" is not one of add, subtract"},
        {sheet + QStringList{"--problems", "0"}, "--problems: \"0\" is not a whole number from 1 to 40"},
        {sheet + QStringList{"--problems", "41"}, "--problems: \"41\" is not a whole number from 1 to 40"},
        {sheet + QStringList{"--problems", "12x"}, "--problems: \"12x\" is not a whole number from 1 to 40"},
        {sheet + QStringList{"--seed", "-1"}, "--seed: \"-1\" is not a whole number from 0 to 4294967295"},
        {sheet + QStringList{"--seed", "4294967296"},
         "--seed: \"4294967296\" is not a whole number from 0 to 4294967295"},
        {sheet + QStringList{"--focus", "smaller-from-smaller"},
         "--focus: \"smaller-from-smaller\" is not one of smaller-from-larger, borrow-no-decrement, "
         "borrow-from-zero, borrow-stops-at-zero, borrow-skips-zero, zero-minus-n-is-n, n-minus-zero-is-zero, "
         "always-borrow, carry-forgotten, column-sum-written, carry-wrong-column, carry-added-twice"},
        {sheet + QStringList{"--focus", "borrow-from-zero", "--range", "20"},
         "--focus: these settings pose only 0 of the 12 problems that show borrow-from-zero"},
        {sheet + QStringList{"--focus", "carry-forgotten", "--operation", "subtract"},
         "--focus: these settings pose only 0 of the 12 problems that show carry-forgotten"},
        {{"--focus", "carry-forgotten"}, "--focus: goes with --worksheet"},
        {{"--key", "none"}, "--key: goes with --worksheet"},
        {sheet + QStringList{"--key", "apart"}, "--key: \"apart\" is not one of after, separate, none"},
        {{"--worksheet", "no-such-folder/sheet.pdf"}, "--worksheet: cannot write"},
        {{"--worksheet", "/proc/sheet.pdf"}, "--worksheet: cannot write"},
        {{"--worksheet", directory.path()}, "--worksheet: cannot write"},
    };
    for (const auto& refusal : refusals) {
        SCOPED_TRACE(refusal.arguments.join(' ').toStdString());
        const ProcessRun run = RunProcess(POROMINKA_PROGRAM, refusal.arguments, directory.path());
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.err.startsWith(QStringLiteral("porominka: ") + QString::fromUtf8(refusal.says)))
            << run.err.toStdString();
        EXPECT_EQ(run.err.count(QLatin1Char('\n')), 1);
        EXPECT_TRUE(QDir(directory.path()).isEmpty());
    }
}

// The same seed gives the same sheet, a seed left out is told, and a file
// named relative to where the caller was lands there.
TEST(WorksheetCommand, SeedMakesTheSheet)
{
    const QTemporaryDir caller, elsewhere;
    QProcessEnvironment fromCaller = EnvironmentWithoutDisplay();
    fromCaller.insert(QStringLiteral("POROMINKA_CALLER_DIR"), caller.path());
    const QStringList settings{"--worksheet", "--range", "1000", "--carry", "mixed", "--operation", "subtract"};
    const auto write = [&](const QStringList& arguments, const QString& directory,
                           const QProcessEnvironment& environment) {
        return RunProcess(POROMINKA_PROGRAM, arguments + settings, directory, environment);
    };
    const ProcessRun unseeded = write({"a.pdf"}, elsewhere.path(), fromCaller);
    ASSERT_EQ(unseeded.exitCode, 0) << unseeded.err.toStdString();
    ASSERT_TRUE(unseeded.out.startsWith(QStringLiteral("seed: "))) << unseeded.out.toStdString();
    const QString seed = unseeded.out.mid(6).trimmed();
    ASSERT_EQ(write({"b.pdf", "--seed", seed}, elsewhere.path(), fromCaller).exitCode, 0);
    const QString otherSeed = QString::number(seed.toUInt() ^ 1);
    ASSERT_EQ(write({"c.pdf", "--seed", otherSeed}, caller.path(), EnvironmentWithoutDisplay()).exitCode, 0);

    const SheetText first = ReadSheet(caller.filePath(QStringLiteral("a.pdf")));
    ASSERT_EQ(first.pageCount, 2);
    EXPECT_EQ(ReadSheet(caller.filePath(QStringLiteral("b.pdf"))).posed, first.posed);
    EXPECT_NE(ReadSheet(caller.filePath(QStringLiteral("c.pdf"))).posed, first.posed);
    EXPECT_TRUE(QDir(elsewhere.path()).isEmpty());
}

// A parent names the file; the sheet goes exactly there, by the very bytes
// of the name, and only over a regular file. Where that cannot be, or the
// seed line cannot be written, the program says so and exits with 2,
// leaving whatever was there as it was. Some rows run the program from a
// shell, which hands it bytes and directories the test's own process cannot.
TEST(WorksheetCommand, WritesOnlyWhereTheCallerNamedAndSaysWhenItCannot)
{
    const QString shell = QStringLiteral("/bin/sh");
    const QString far = QStringLiteral("/porominka-sheet-of-a-deleted-directory.pdf");
    const struct {
        const char* what;
        std::function<void(const QDir&)> before;
        QString program;
        QStringList arguments;
        std::function<void(QProcessEnvironment&)> environment;
        QString outputFile;
        int exitCode;
        const char* says;
        // The entry a good run leaves, as the bytes of its name.
        QByteArray written;
    } rows[] = {
        {"a link to another's file", [](const QDir& d) { QFile::link(d.filePath("theirs"), d.filePath("ws.pdf")); },
         POROMINKA_PROGRAM, {"--worksheet", "ws.pdf", "--seed", "1"}, {}, {}, 2, "a symbolic link", {}},
        {"a FIFO", [](const QDir& d) { mkfifo(QFile::encodeName(d.filePath("ws.pdf")).constData(), 0600); },
         POROMINKA_PROGRAM, {"--worksheet", "ws.pdf", "--seed", "1"}, {}, {}, 2, "not a regular file", {}},
        {"a name that is not UTF-8", [](const QDir&) {}, shell,
         {"-c", "exec \"$0\" --worksheet \"$(printf '\\377\\376-ws.pdf')\" --seed 1", POROMINKA_PROGRAM}, {}, {},
         0, "", "\xff\xfe-ws.pdf"},
        {"a deleted working directory", [](const QDir& d) { d.mkdir("gone"); }, shell,
         {"-c", "cd gone && rmdir ../gone && exec \"$0\" --worksheet \"$1\" --seed 1", POROMINKA_PROGRAM, far.mid(1)},
         {}, {}, 2, "No such file or directory", {}},
        {"a launcher that could not name the caller's directory", [](const QDir&) {}, POROMINKA_PROGRAM,
         {"--worksheet", "ws.pdf", "--seed", "1"}, [](QProcessEnvironment& e) { e.insert("POROMINKA_CALLER_DIR", ""); },
         {}, 2, "has no name", {}},
        {"a seed line that cannot be written", [](const QDir&) {}, POROMINKA_PROGRAM, {"--worksheet", "ws.pdf"}, {},
         "/dev/full", 2, "cannot write \"seed: ", "ws.pdf"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const QTemporaryDir directory;
        const QDir dir(directory.path());
        QFile theirs(dir.filePath("theirs"));
        ASSERT_TRUE(theirs.open(QIODevice::WriteOnly) && theirs.write("theirs") == 6);
        theirs.close();
        row.before(dir);
        const QStringList before = dir.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
        QProcessEnvironment environment = EnvironmentWithoutDisplay();
        if (row.environment)
            row.environment(environment);
        const ProcessRun run = RunProcess(row.program, row.arguments, dir.path(), environment, row.outputFile);
        EXPECT_EQ(run.exitCode, row.exitCode) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(row.says))) << run.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(far));
        std::vector<QByteArray> entries;
        for (const std::filesystem::directory_entry& entry : std::filesystem::directory_iterator(dir.path().toStdString()))
            entries.push_back(QByteArray::fromStdString(entry.path().filename()));
        std::vector<QByteArray> expected;
        for (const QString& name : before)
            if (name != "gone")
                expected.push_back(QFile::encodeName(name));
        if (!row.written.isEmpty() && !std::count(expected.begin(), expected.end(), row.written))
            expected.push_back(row.written);
        std::sort(entries.begin(), entries.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(entries, expected);
        EXPECT_EQ(theirs.open(QIODevice::ReadOnly) ? theirs.readAll() : QByteArray(), "theirs");
    }
}

// The key after the problems, in a file of its own beside the sheet, or
// nowhere: each file holds the pages it should and the key is the same key.
// A key file that cannot be written leaves no sheet either.
TEST(WorksheetCommand, KeyGoesAfterApartOrNowhere)
{
    const QTemporaryDir directory;
    const QString sheetFile = directory.filePath(QStringLiteral("sheet.pdf"));
    const QString keyFile = directory.filePath(QStringLiteral("sheet-こたえ.pdf"));
    const auto write = [&](const QStringList& key) {
        QFile::remove(sheetFile);
        QFile::remove(keyFile);
        const QStringList arguments = QStringList{"--worksheet", "sheet.pdf", "--seed", "31", "--problems", "13"} + key;
        return RunProcess(POROMINKA_PROGRAM, arguments, directory.path());
    };
    ASSERT_EQ(write({}).exitCode, 0);
    const SheetText whole = ReadSheet(sheetFile);
    ASSERT_EQ(whole.posed.size(), 13);
    ASSERT_EQ(whole.worked.size(), 13);
    EXPECT_FALSE(QFile::exists(keyFile));

    const struct {
        const char* key;
        bool keyAfter;
        bool keyApart;
    } rows[] = {{"after", true, false}, {"none", false, false}, {"separate", false, true}};
    for (const auto& [key, keyAfter, keyApart] : rows) {
        SCOPED_TRACE(key);
        const ProcessRun run = write({"--key", key});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const SheetText sheet = ReadSheet(sheetFile);
        EXPECT_EQ(sheet.posed, whole.posed);
        EXPECT_EQ(sheet.worked, keyAfter ? whole.worked : decltype(whole.worked){});
        ASSERT_EQ(QFile::exists(keyFile), keyApart);
        if (keyApart) {
            const SheetText apart = ReadSheet(keyFile);
            EXPECT_TRUE(apart.posed.isEmpty());
            EXPECT_EQ(apart.worked, whole.worked);
        }
    }

    QFile::remove(sheetFile);
    QFile::remove(keyFile);
    ASSERT_TRUE(QDir(directory.path()).mkdir(QStringLiteral("sheet-こたえ.pdf")));
    const ProcessRun blocked =
        RunProcess(POROMINKA_PROGRAM, {"--worksheet", "sheet.pdf", "--key", "separate"}, directory.path());
    EXPECT_EQ(blocked.exitCode, 2);
    EXPECT_TRUE(blocked.err.contains(QStringLiteral("sheet-こたえ.pdf"))) << blocked.err.toStdString();
    EXPECT_FALSE(QFile::exists(sheetFile));
}

// A sum as the sheet writes it, "１４３－２８", back on one line as "143-28".
std::string halfWidth(const QString& posed)
{
    std::string sum;
    for (const QChar c : posed)
        sum += c == u'＋' ? '+' : c == u'－' ? '-' : static_cast<char>('0' + (c.unicode() - u'０'));
    return sum;
}

// A sheet for each misconception, with no settings given and with settings
// of the parent's own: every problem on it exposes the misconception.
TEST(WorksheetCommand, FocusedSheetHoldsOnlyProblemsThatExposeIt)
{
    const QTemporaryDir directory;
    const QStringList own{"--range", "9999", "--carry", "mixed"};
    for (const Misconception& misconception : Misconceptions())
        for (const QStringList& settings : {QStringList{}, own}) {
            const QString id = QString::fromUtf8(misconception.id.data(), static_cast<qsizetype>(misconception.id.size()));
            SCOPED_TRACE((id + u' ' + settings.join(u' ')).toStdString());
            const QStringList arguments = QStringList{"--worksheet", "sheet.pdf", "--focus", id, "--seed", "19"} + settings;
            const ProcessRun run = RunProcess(POROMINKA_PROGRAM, arguments, directory.path());
            ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
            const SheetText sheet = ReadSheet(directory.filePath(QStringLiteral("sheet.pdf")));
            ASSERT_EQ(sheet.posed.size(), 12);
            for (const auto& [number, posed] : sheet.posed)
                EXPECT_TRUE(Exposes(misconception, ::posed(halfWidth(posed)))) << number << " " << halfWidth(posed);
        }
}

} // namespace
