// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/ProcessRun.h"
#include "tests/worksheet/PdfText.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The program as a parent starts it from a terminal with no display at all.
ProcessRun porominka(const QStringList& arguments, const QString& workingDir,
                     const QProcessEnvironment& extra = QProcessEnvironment())
{
    QProcessEnvironment environment = EnvironmentWithoutDisplay();
    environment.insert(extra);
    return RunProcess(QStringLiteral(POROMINKA_PROGRAM), arguments, workingDir, environment);
}

// Each refusal: status 2, one line naming the option and what it takes, and
// nothing written.
TEST(WorksheetCommand, RefusesBadInputAndWritesNothing)
{
    QTemporaryDir directory;
    const QStringList sheet{"--worksheet", "sheet.pdf"};
    const struct { QStringList arguments; const char* says; } refusals[] = {
        {{"--range", "20"}, "--range: goes with --worksheet"},
        {sheet + QStringList{"--range", "15"}, "--range: \"15\" is not one of 10, 20, 100, 1000, 9999"},
        {sheet + QStringList{"--carry", "sometimes"}, "--carry: \"sometimes\" is not one of none, always, mixed"},
        {sheet + QStringList{"--operation", "times"}, "--operation: \"times\" is not one of add, subtract"},
        {sheet + QStringList{"--problems", "0"}, "--problems: \"0\" is not a whole number from 1 to 40"},
        {sheet + QStringList{"--problems", "41"}, "--problems: \"41\" is not a whole number from 1 to 40"},
        {sheet + QStringList{"--problems", "12x"}, "--problems: \"12x\" is not a whole number from 1 to 40"},
        {sheet + QStringList{"--seed", "-1"}, "--seed: \"-1\" is not a whole number from 0 to 4294967295"},
        {sheet + QStringList{"--seed", "4294967296"},
         "--seed: \"4294967296\" is not a whole number from 0 to 4294967295"},
        {{"--worksheet", "no-such-folder/sheet.pdf"}, "--worksheet: cannot write"},
        {{"--worksheet", "/proc/sheet.pdf"}, "--worksheet: cannot write"},
        {{"--worksheet", directory.path()}, "--worksheet: cannot write"},
    };
    for (const auto& refusal : refusals) {
        SCOPED_TRACE(refusal.arguments.join(' ').toStdString());
        const ProcessRun run = porominka(refusal.arguments, directory.path());
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
    QTemporaryDir caller;
    QTemporaryDir elsewhere;
    QProcessEnvironment fromCaller;
    fromCaller.insert(QStringLiteral("POROMINKA_CALLER_DIR"), caller.path());
    const QStringList settings{"--worksheet", "--range", "1000", "--carry", "mixed", "--operation", "subtract"};

    const ProcessRun unseeded = porominka(QStringList{"a.pdf"} + settings, elsewhere.path(), fromCaller);
    ASSERT_EQ(unseeded.exitCode, 0) << unseeded.err.toStdString();
    ASSERT_TRUE(unseeded.out.startsWith(QStringLiteral("seed: "))) << unseeded.out.toStdString();
    const QString seed = unseeded.out.mid(6).trimmed();
    for (const char* file : {"b.pdf", "c.pdf"})
        ASSERT_EQ(porominka(QStringList{file, "--seed", seed} + settings, elsewhere.path(), fromCaller).exitCode, 0);
    const QString otherSeed = QString::number(seed.toUInt() ^ 1);
    ASSERT_EQ(porominka(QStringList{"d.pdf", "--seed", otherSeed} + settings, caller.path()).exitCode, 0);

    const QStringList first = PdfPages(caller.filePath(QStringLiteral("a.pdf")));
    ASSERT_EQ(first.size(), 2);
    EXPECT_EQ(PdfPages(caller.filePath(QStringLiteral("b.pdf"))), first);
    EXPECT_EQ(PdfPages(caller.filePath(QStringLiteral("c.pdf"))), first);
    EXPECT_NE(PdfPages(caller.filePath(QStringLiteral("d.pdf"))), first);
    EXPECT_TRUE(QDir(elsewhere.path()).isEmpty());
}

} // namespace
