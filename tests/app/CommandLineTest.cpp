// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"
#include "app/StartSettings.h"
#include "platform/SoundPlayer.h"
#include "tests/support/DrillWindowsFixture.h"
#include "tests/support/ProcessRun.h"
#include "widgets/RadioGroup.h"
#include "widgets/SpeedButton.h"

#include <QPushButton>
#include <QRadioButton>

#include <array>

#include <gtest/gtest.h>

namespace {

using Mode = CommandLine::Mode;

// One mode, read from the arguments alone. Each is also asked of the program
// itself, started with no display: help, the version and every mistake are
// answered before any window could open, an answer on the standard output
// with status 0, a refusal on the error output with status 2, and nothing on
// the other; a window is refused in one line with status 1.
TEST(CommandLine, ChoosesOneModeAndAnswersWithoutADisplay)
{
    const QString usage = QStringLiteral("Usage: porominka");
    const QString version = QStringLiteral(PROJECT_VERSION);
    const struct { QStringList arguments; Mode mode; QStringList says; } rows[] = {
        {{"--help"}, Mode::Help, {usage, "つかいかた", "--mute", "--check", "--version", "--worksheet", "--zoom F"}},
        {{"-h", "--mute"}, Mode::Help, {usage}},
        {{"--version"}, Mode::Version, {"(porominka) " + version, "GPL-3.0-or-later"}},
        {{"--check", "--help"}, Mode::UsageError, {"options that exclude each other: --help, --check", usage}},
        {{"-hv"}, Mode::UsageError, {"いっしょに使えないオプションです: --help, --version", usage}},
        {{"-hx"}, Mode::UsageError, {"unknown option: -x"}},
        {{"-h", "--help"}, Mode::UsageError, {"同じオプションが2回あります: --help", "option given twice: --help"}},
        {{"--worksheet", ""}, Mode::UsageError, {"空の引数です", "empty argument", usage}},
        {{"--"}, Mode::UsageError, {"no argument after: --", usage}},
        {{"--check", "--range", "10"}, Mode::OptionRefused,
         {"--check: goes with no option of the drill / --check は ドリルの オプションと いっしょに つかえません"}},
        {{"--range", "7"}, Mode::OptionRefused,
         {"--range: \"7\" is not one of 10, 20, 100, 1000, 9999 / --range: 「7」は つかえません（10, 20, 100, "
          "1000, 9999 の どれか）"}},
        {{"--zoom", "%2"}, Mode::OptionRefused,
         {"is not a number from 0.5 to 4 / --zoom: 「%2」は つかえません（0.5 から 4 までの かず）"}},
        {{"--seed", "1"}, Mode::OptionRefused, {"--seed: goes with --worksheet / --seed は --worksheet と いっしょに"}},
        {{"--worksheet", "a.pdf", "--problems", "x"}, Mode::OptionRefused,
         {"/ --problems: 「x」は つかえません（1 から 40 までの せいすう）"}},
        {{"--loud"}, Mode::UsageError, {"知らないオプションです: --loud", "unknown option: --loud", usage}},
        {{"sums.txt"}, Mode::UsageError, {"よけいな引数です: sums.txt", "unexpected argument: sums.txt"}},
        {{"--", "--mute"}, Mode::UsageError, {"unexpected argument: --mute"}},
        {{"--mute=yes"}, Mode::UsageError, {"bad option", usage}},
        {{"--zoom", "5"}, Mode::OptionRefused, {"--zoom: \"5\" is not a number from 0.5 to 4"}},
        {{"--zoom", "0.4"}, Mode::OptionRefused, {"--zoom: \"0.4\""}},
        {{}, Mode::Play, {}},
        {{"--check", "--mute"}, Mode::Check, {}},
        {{"--worksheet"}, Mode::WorksheetWindow, {}},
        {{"--export-record", "a.json", "--import-record", "b.json"}, Mode::UsageError,
         {"exclude each other: --export-record, --import-record"}},
        {{"--no-record", "--mute"}, Mode::Play, {}},
    };
    for (const auto& [arguments, mode, says] : rows) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        EXPECT_EQ(ParseCommandLine(QStringList{"porominka"} + arguments).mode, mode);
        // The check looks for the program's files. A window has no display to
        // open on here, which is told in one line, not by Qt's abort.
        if (mode == Mode::Check)
            continue;
        const ProcessRun run = RunProcess(QStringLiteral(POROMINKA_PROGRAM), arguments, QDir::tempPath());
        if (mode == Mode::Play || mode == Mode::WorksheetWindow) {
            EXPECT_EQ(run.exitCode, 1);
            EXPECT_TRUE(run.err.endsWith(QStringLiteral("cannot open a window: no display answers\n")))
                << run.err.toStdString();
            continue;
        }
        const bool refused = mode == Mode::UsageError || mode == Mode::OptionRefused;
        EXPECT_EQ(run.exitCode, refused ? 2 : 0) << run.err.toStdString();
        const QString& said = refused ? run.err : run.out;
        for (const QString& text : says)
            EXPECT_TRUE(said.contains(text)) << text.toStdString() << " not in:\n" << said.toStdString();
        EXPECT_TRUE((refused ? run.out : run.err).isEmpty());
        // An answer that cannot reach the caller is a failure too.
        if (!refused) {
            const ProcessRun full = RunProcess(QStringLiteral(POROMINKA_PROGRAM), arguments, QDir::tempPath(),
                                               EnvironmentWithoutDisplay(), QStringLiteral("/dev/full"));
            EXPECT_EQ(full.exitCode, 2);
            EXPECT_TRUE(full.err.contains(QStringLiteral("cannot write to standard output"))) << full.err.toStdString();
        }
    }
    EXPECT_EQ(ParseCommandLine({"porominka", "--zoom", "0.75"}).play.zoom, 0.75);
    EXPECT_EQ(ParseCommandLine({"porominka", "--zoom", "4"}).play.zoom, 4);
    EXPECT_EQ(ParseCommandLine({"porominka"}).play.zoom, std::nullopt);
}

using StartedDrill = DrillWindowsFixture;

// A class shortcut: the settings asked for are selected at start-up, and
// problems are drawn from them. Locked, the three groups are greyed out and a
// click or a tap on an item changes nothing; unlocked, the child may change
// them. Then a right answer, and a wrong one whose sound file is missing, so
// that an unmuted run falls back to the beep: muted, not one sound is asked
// for. The locked row comes last, as the lock holds for the whole run, and
// unmuted, so that later tests hear their sounds. The caption shows the
// major and minor parts of the version written once, in the build.
TEST_F(StartedDrill, StartsAsTheCommandLineAsks)
{
    EXPECT_EQ(form.windowTitle(),
              QStringLiteral("ぽろみんか　Ver.%1.%2").arg(PROJECT_VERSION_MAJOR).arg(PROJECT_VERSION_MINOR));
    const SoundRequests beeped{{"maru1.wav", true}, {"batu1.wav", false}};
    const struct {
        QStringList arguments;
        std::array<int, 3> items;
        bool locked;
        Operation drawn;
        SoundRequests heard;
    } rows[] = {
        {{"--mute"}, {0, 0, 0}, false, Operation::Subtraction, {}},
        {{"--range", "1000", "--carry", "mixed", "--operation", "subtract"}, {3, 2, 1}, false, Operation::Addition,
         beeped},
        {{"--operation", "subtract", "--range", "100", "--lock"}, {2, 0, 1}, true, Operation::Subtraction, beeped},
    };
    assets.remove(QStringLiteral("batu1.wav"));
    for (const auto& [arguments, items, locked, drawn, heard] : rows) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        const CommandLine command = ParseCommandLine(QStringList{"porominka"} + arguments);
        SetSoundMuted(command.muted);
        ApplyStartSettings(form, command.play);
        const RadioGroup* groups[] = {form.RadioGroup1, form.RadioGroup2, form.RadioGroup3};
        for (int group = 0; group < 3; ++group) {
            EXPECT_EQ(groups[group]->ItemIndex(), items[group]);
            EXPECT_EQ(groups[group]->isEnabled(), !locked);
        }
        // The other kind, clicked and then tapped.
        const int other = 1 - items[2];
        const QRadioButton* item = form.RadioGroup3->findChildren<QRadioButton*>().at(other);
        QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, at(item, QPoint(6, item->height() / 2)));
        tap(item);
        EXPECT_EQ(form.RadioGroup3->ItemIndex(), locked ? items[2] : other);
        click(form.Button12);
        click(form.SpeedButton1);
        EXPECT_EQ(session.Run().Operation, drawn);
        sounds.clear();
        for (const std::int32_t answer : {7, 8}) {
            pose(Operation::Addition, 3, 4);
            writeAnswer(answer);
            click(form.SpeedButton1);
        }
        EXPECT_EQ(sounds, heard);
    }
}

} // namespace
