#include "PdfText.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Outcome {
    int status = -1;
    QString out;
    QString err;
};

// The program as a parent starts it from a terminal with no display at all,
// from `workingDir`.
Outcome porominka(const QStringList& arguments, const QString& workingDir,
              const QProcessEnvironment& extra = QProcessEnvironment())
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* display : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(display));
    environment.insert(extra);
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(workingDir);
    program.start(QStringLiteral(POROMINKA_PROGRAM), arguments);
    program.waitForFinished(60000);
    return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
            QString::fromUtf8(program.readAllStandardOutput()), QString::fromUtf8(program.readAllStandardError())};
}

// Each refusal: status 2, one line naming the option and what it takes, and
// nothing written.
TEST(WorksheetCommand, RefusesBadInputAndWritesNothing)
{
    QTemporaryDir directory;
    const QStringList sheet{"--worksheet", "sheet.pdf"};
    const struct { QStringList arguments; const char* says; } refusals[] = {
        {{"--range", "20"}, "--range: goes with --worksheet"},
        {{"sheet.pdf"}, "\"sheet.pdf\": a file goes with --worksheet"},
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
        const Outcome run = porominka(refusal.arguments, directory.path());
        EXPECT_EQ(run.status, 2);
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

    const Outcome unseeded = porominka(QStringList{"a.pdf"} + settings, elsewhere.path(), fromCaller);
    ASSERT_EQ(unseeded.status, 0) << unseeded.err.toStdString();
    ASSERT_TRUE(unseeded.out.startsWith(QStringLiteral("seed: "))) << unseeded.out.toStdString();
    const QString seed = unseeded.out.mid(6).trimmed();
    for (const char* file : {"b.pdf", "c.pdf"})
        ASSERT_EQ(porominka(QStringList{file, "--seed", seed} + settings, elsewhere.path(), fromCaller).status, 0);
    const QString otherSeed = QString::number(seed.toUInt() ^ 1);
    ASSERT_EQ(porominka(QStringList{"d.pdf", "--seed", otherSeed} + settings, caller.path()).status, 0);

    const QStringList first = PdfPages(caller.filePath(QStringLiteral("a.pdf")));
    ASSERT_EQ(first.size(), 2);
    EXPECT_EQ(PdfPages(caller.filePath(QStringLiteral("b.pdf"))), first);
    EXPECT_EQ(PdfPages(caller.filePath(QStringLiteral("c.pdf"))), first);
    EXPECT_NE(PdfPages(caller.filePath(QStringLiteral("d.pdf"))), first);
    EXPECT_TRUE(QDir(elsewhere.path()).isEmpty());
}

} // namespace
