// SPDX-License-Identifier: GPL-3.0-or-later
#include "mistakes/Sighting.h"
#include "tests/support/PaperRows.h"
#include "tests/support/ProcessRun.h"
#include "tests/worksheet/PdfText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <set>
#include <string>

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
    const auto write = [&](const QStringList& arguments) {
        const QStringList settings{"--range", "1000", "--carry", "mixed", "--operation", "subtract"};
        return RunProcess(POROMINKA_PROGRAM, QStringList{"--worksheet"} + arguments + settings, elsewhere.path(),
                          fromCaller);
    };
    const ProcessRun unseeded = write({"a.pdf"});
    ASSERT_EQ(unseeded.exitCode, 0) << unseeded.err.toStdString();
    ASSERT_TRUE(unseeded.out.startsWith(QStringLiteral("seed: "))) << unseeded.out.toStdString();
    const QString seed = unseeded.out.mid(6).trimmed();
    ASSERT_EQ(write({"b.pdf", "--seed", seed}).exitCode, 0);
    ASSERT_EQ(write({"c.pdf", "--seed", QString::number(seed.toUInt() ^ 1)}).exitCode, 0);

    const SheetText first = ReadSheet(caller.filePath(QStringLiteral("a.pdf")));
    ASSERT_EQ(first.pageCount, 2);
    EXPECT_EQ(ReadSheet(caller.filePath(QStringLiteral("b.pdf"))).posed, first.posed);
    EXPECT_NE(ReadSheet(caller.filePath(QStringLiteral("c.pdf"))).posed, first.posed);
    EXPECT_TRUE(QDir(elsewhere.path()).isEmpty());
}

// The names in a directory, as their bytes.
std::set<std::string> entriesOf(const QDir& dir)
{
    std::set<std::string> names;
    for (const std::filesystem::directory_entry& entry : std::filesystem::directory_iterator(dir.path().toStdString()))
        names.insert(entry.path().filename());
    return names;
}

// A parent names the file; the sheet goes exactly there, by the very bytes
// of the name, and only over a regular file. Where that cannot be, or the
// seed line or the key's own file cannot be written, the program says so and
// exits with 2, leaving whatever was there as it was. The program runs from a
// shell, which hands it bytes and directories the test's own process cannot.
TEST(WorksheetCommand, WritesOnlyWhereTheCallerNamedAndSaysWhenItCannot)
{
    const QString far = QStringLiteral("/porominka-sheet-of-a-deleted-directory.pdf");
    const struct {
        const char* what;
        std::function<void(const QDir&)> before;
        // Run by the shell in the directory, the program as $0.
        const char* command;
        int exitCode;
        const char* says;
        // The entry a good run leaves, as the bytes of its name.
        std::string written;
    } rows[] = {
        {"a link to another's file", [](const QDir& d) { QFile::link(d.filePath("theirs"), d.filePath("ws.pdf")); },
         "exec \"$0\" --worksheet ws.pdf --seed 1", 2, "a symbolic link", {}},
        {"a FIFO", [](const QDir& d) { mkfifo(QFile::encodeName(d.filePath("ws.pdf")).constData(), 0600); },
         "exec \"$0\" --worksheet ws.pdf --seed 1", 2, "not a regular file", {}},
        {"a name that is not UTF-8", {}, "exec \"$0\" --worksheet \"$(printf '\\377\\376-ws.pdf')\" --seed 1", 0, "",
         "\xff\xfe-ws.pdf"},
        {"a deleted working directory", [](const QDir& d) { d.mkdir("gone"); },
         "cd gone && rmdir ../gone && exec \"$0\" --worksheet porominka-sheet-of-a-deleted-directory.pdf --seed 1", 2,
         "No such file or directory", {}},
        {"a launcher that could not name the caller's directory", {},
         "exec env POROMINKA_CALLER_DIR= \"$0\" --worksheet ws.pdf --seed 1", 2, "has no name", {}},
        {"a seed line that cannot be written", {}, "exec \"$0\" --worksheet ws.pdf >/dev/full", 2,
         "cannot write \"seed: ", "ws.pdf"},
        {"a key file that cannot be written", [](const QDir& d) { d.mkdir("ws-こたえ.pdf"); },
         "exec \"$0\" --worksheet ws.pdf --key separate", 2, "ws-こたえ.pdf", {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const QTemporaryDir directory;
        const QDir dir(directory.path());
        QFile theirs(dir.filePath("theirs"));
        ASSERT_TRUE(theirs.open(QIODevice::WriteOnly) && theirs.write("theirs") == 6);
        theirs.close();
        if (row.before)
            row.before(dir);
        std::set<std::string> expected = entriesOf(dir);
        expected.erase("gone");
        if (!row.written.empty())
            expected.insert(row.written);
        const ProcessRun run = RunProcess("/bin/sh", {"-c", row.command, POROMINKA_PROGRAM}, dir.path());
        EXPECT_EQ(run.exitCode, row.exitCode) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(row.says))) << run.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(far));
        EXPECT_EQ(entriesOf(dir), expected);
        EXPECT_EQ(theirs.open(QIODevice::ReadOnly) ? theirs.readAll() : QByteArray(), "theirs");
    }
}

// The key after the problems, in a file of its own beside the sheet, or
// nowhere: each file holds the pages it should and the key is the same key,
// which goes after the problems unless the parent says otherwise.
TEST(WorksheetCommand, KeyGoesAfterApartOrNowhere)
{
    const QTemporaryDir directory;
    const QString sheetFile = directory.filePath(QStringLiteral("sheet.pdf"));
    const QString keyFile = directory.filePath(QStringLiteral("sheet-こたえ.pdf"));
    const struct { QStringList key; bool keyAfter, keyApart; } rows[] = {
        {{"--key", "after"}, true, false},
        {{}, true, false},
        {{"--key", "none"}, false, false},
        {{"--key", "separate"}, false, true},
    };
    SheetText whole;
    for (const auto& [key, keyAfter, keyApart] : rows) {
        SCOPED_TRACE(key.join(u' ').toStdString());
        QFile::remove(sheetFile);
        QFile::remove(keyFile);
        const QStringList arguments = QStringList{"--worksheet", "sheet.pdf", "--seed", "31", "--problems", "13"} + key;
        const ProcessRun run = RunProcess(POROMINKA_PROGRAM, arguments, directory.path());
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const SheetText sheet = ReadSheet(sheetFile);
        // The first row's sheet is the one the others are held to.
        if (whole.pageCount == 0)
            whole = sheet;
        ASSERT_EQ(whole.posed.size(), 13);
        ASSERT_EQ(whole.worked.size(), 13);
        EXPECT_EQ(sheet.posed, whole.posed);
        EXPECT_EQ(sheet.worked, keyAfter ? whole.worked : decltype(whole.worked){});
        ASSERT_EQ(QFile::exists(keyFile), keyApart);
        if (keyApart) {
            const SheetText apart = ReadSheet(keyFile);
            EXPECT_TRUE(apart.posed.isEmpty());
            EXPECT_EQ(apart.worked, whole.worked);
        }
    }
}

// A sheet for each misconception, with no settings given and with settings
// of the parent's own: twelve different problems, each exposing it.
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
            QSet<QString> different;
            for (const auto& [number, posed] : sheet.posed) {
                // "１４３－２８" read as "143-28"
                const std::string sum = posed.normalized(QString::NormalizationForm_KC).toStdString();
                EXPECT_TRUE(Exposes(misconception, ::posed(sum))) << number << " " << sum;
                different.insert(posed);
            }
            EXPECT_EQ(different.size(), 12);
        }
}

} // namespace
