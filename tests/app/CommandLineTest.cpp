// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"
#include "platform/SoundPlayer.h"
#include "tests/support/DrillWindowsFixture.h"
#include "tests/support/ProcessRun.h"
#include "widgets/SpeedButton.h"

#include <gtest/gtest.h>

namespace {

// The program itself, started with no display: whatever it is asked, it
// answers before any window could open.
TEST(CommandLine, AnswersWithoutADisplay)
{
    const QString version = QStringLiteral(PROJECT_VERSION);
    struct Row {
        QStringList arguments;
        int exitCode;
        QStringList inOut; // each must be in the standard output
        QStringList inErr; // each must be in the error output
    };
    const QString usage = QStringLiteral("Usage: porominka");
    const Row rows[] = {
        {{"--help"}, 0, {usage, "つかいかた", "--mute", "--check", "--version", "--worksheet"}, {}},
        {{"-h", "--mute"}, 0, {usage}, {}},
        {{"--version"}, 0, {"(porominka) " + version, "GPL-3.0-or-later"}, {}},
        {{"-v"}, 0, {version}, {}},
        {{"--loud"}, 2, {}, {"知らないオプションです: --loud", "unknown option: --loud", usage}},
        {{"--mute", "-x"}, 2, {}, {"unknown option: -x", usage}},
        {{"sums.txt"}, 2, {}, {"よけいな引数です: sums.txt", "unexpected argument: sums.txt", usage}},
        {{"--mute=yes"}, 2, {}, {"bad option", usage}},
        {{"--help", "--bogus"}, 2, {}, {"unknown option: --bogus"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.arguments.join(u' ').toStdString());
        const ProcessRun run = RunProcess(QStringLiteral(POROMINKA_PROGRAM), row.arguments, QDir::tempPath());
        EXPECT_EQ(run.exitCode, row.exitCode) << run.err.toStdString();
        for (const QString& text : row.inOut)
            EXPECT_TRUE(run.out.contains(text)) << text.toStdString() << " not in:\n" << run.out.toStdString();
        for (const QString& text : row.inErr)
            EXPECT_TRUE(run.err.contains(text)) << text.toStdString() << " not in:\n" << run.err.toStdString();
        // A refusal says nothing on the standard output; an answer nothing
        // on the error output.
        EXPECT_TRUE((row.exitCode == 0 ? run.err : run.out).isEmpty());
    }
}

TEST(CommandLine, ChoosesOneMode)
{
    using Mode = CommandLine::Mode;
    struct Row {
        QStringList arguments;
        Mode mode;
        bool muted;
    };
    const Row rows[] = {
        {{}, Mode::Play, false},
        {{"--mute"}, Mode::Play, true},
        {{"--check", "--mute"}, Mode::Check, true},
        {{"--version", "--check"}, Mode::Version, false},
        {{"--check", "--help"}, Mode::Help, false},
        {{"--", "--mute"}, Mode::UsageError, false},
        {{"--worksheet"}, Mode::WorksheetWindow, false},
        {{"--worksheet", "sums.pdf", "--range", "20"}, Mode::WorksheetFile, false},
        {{"--range", "20"}, Mode::WorksheetRefused, false},
        {{"--worksheet", "--help"}, Mode::Help, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.arguments.join(u' ').toStdString());
        const CommandLine command = ParseCommandLine(QStringList{"porominka"} + row.arguments);
        EXPECT_EQ(command.mode, row.mode);
        EXPECT_EQ(command.muted, row.muted);
    }
}

class MutedRun : public DrillWindowsFixture {
protected:
    void TearDown() override
    {
        SetSoundMuted(false);
        DrillWindowsFixture::TearDown();
    }
};

// A right answer, then a wrong one whose sound file is missing, so that an
// unmuted run would fall back to the beep: muted, not one sound is asked for.
TEST_F(MutedRun, MuteSilencesEveryJudgement)
{
    const std::pair<QStringList, decltype(sounds)> rows[] = {
        {{"porominka"}, {{"maru1.wav", true}, {"batu1.wav", false}}},
        {{"porominka", "--mute"}, {}},
    };
    assets.remove(QStringLiteral("batu1.wav"));
    for (const auto& [arguments, heard] : rows) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        sounds.clear();
        SetSoundMuted(ParseCommandLine(arguments).muted);
        pose(Operation::Addition, 3, 4);
        writeAnswer(7);
        click(form.SpeedButton1);
        EXPECT_EQ(form.Edit8->text(), "せいかい！");
        pose(Operation::Addition, 3, 4);
        writeAnswer(8);
        click(form.SpeedButton1);
        EXPECT_EQ(form.Edit8->text(), "こたえがちがうよ。");
        EXPECT_EQ(sounds, heard);
    }
}

using Caption = DrillWindowsFixture;

// The version is written once, in the build; the caption shows its major
// and minor parts.
TEST_F(Caption, ShowsTheBuildVersion)
{
    EXPECT_EQ(form.windowTitle(),
              QStringLiteral("ぽろみんか　Ver.%1.%2").arg(PROJECT_VERSION_MAJOR).arg(PROJECT_VERSION_MINOR));
}

} // namespace
