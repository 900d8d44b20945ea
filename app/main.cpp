// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"
#include "app/InstallationCheck.h"
#include "app/PracticeRecord.h"
#include "app/RecordCommand.h"
#include "app/StartSettings.h"
#include "model_answer_window/TForm2.h"
#include "platform/ApplicationHelp.h"
#include "platform/ApplicationTitle.h"
#include "platform/NativeName.h"
#include "platform/ProgramZoom.h"
#include "platform/SoundPlayer.h"
#include "platform/ToolkitDialogLanguage.h"
#include "practice_window/TForm1.h"
#include "session/PracticeSession.h"
#include "worksheet/WorksheetCommand.h"
#include "worksheet_window/WorksheetWindow.h"

#include <QApplication>
#include <QTextStream>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <optional>

namespace {

bool print(std::FILE* stream, const QString& text)
{
    QTextStream out(stream);
    out << text;
    out.flush();
    return out.status() == QTextStream::Ok;
}

// An answer that never reached the caller is a failure: 2 after one line on
// the error output; else `status`.
int answer(const QString& text, int status = 0)
{
    if (print(stdout, text))
        return status;
    print(stderr, QStringLiteral("porominka: 標準出力に書けません / cannot write to standard output\n"));
    return 2;
}

int showUsage(const CommandLine&)
{
    return answer(UsageText());
}

int showVersion(const CommandLine&)
{
    return answer(VersionText());
}

int refuse(const CommandLine& command)
{
    print(stderr, command.error + QStringLiteral("\n\n") + UsageText());
    return 2;
}

int checkFiles(const CommandLine&)
{
    const QStringList failures = InstallationCheck::Failures();
    if (!failures.isEmpty())
        return answer(failures.join(QLatin1Char('\n')) + QLatin1Char('\n'), 1);
    return answer(QStringLiteral("%1 個のファイルがすべてそろっています。 / All %1 files are in place.\n")
                      .arg(InstallationCheck::ProgramFiles().size()));
}

int play(const CommandLine& command)
{
    SetSoundMuted(command.muted);
    SetApplicationTitle(QStringLiteral("ぽろみんか"));
    SetApplicationHelpFile(QStringLiteral("zumirano.hlp"));
    // The desktop entry's name, so that the desktop shows its icon for the
    // program's windows.
    QGuiApplication::setDesktopFileName(QStringLiteral(POROMINKA_APP_ID));

    // Each start draws other problems.
    PracticeSession session(static_cast<RandomSource::result_type>(
        std::chrono::system_clock::now().time_since_epoch().count()));
    TForm1 form1(session);
    const PracticeRecord record(session, form1, command.recording);
    ApplyStartSettings(form1, command.play);
    ZoomMainWindow(&form1, command.play.zoom);
    form1.show();
    StartSoundAfterFirstPaint(&form1);
    TForm2 form2;
    form1.SetModelAnswerWindow(&form2);

    // Closing the practice window ends the program; the model-answer window
    // and the help viewer do not keep it alive, nor does the sound.
    const int status = QApplication::exec();
    EndSound(status);
    return status;
}

int writeWorksheet(const CommandLine& command)
{
    return WriteWorksheetFile(command.worksheet);
}

int openWorksheet(const CommandLine& command)
{
    SetApplicationTitle(QStringLiteral("ぽろみんか"));
    QGuiApplication::setDesktopFileName(QStringLiteral(POROMINKA_APP_ID));
    return OpenWorksheetWindow(command.worksheet.settings, command.worksheet.key);
}

int openRecord(const CommandLine&)
{
    SetApplicationTitle(QStringLiteral("ぽろみんか"));
    QGuiApplication::setDesktopFileName(QStringLiteral(POROMINKA_APP_ID));
    return OpenRecordWindow();
}

int exportRecord(const CommandLine& command)
{
    return ExportRecordFile(command.recordFile);
}

int importRecord(const CommandLine& command)
{
    return ImportRecordFile(command.recordFile);
}

// A bad value of an option is told in one line, without the whole usage.
int refuseOption(const CommandLine& command)
{
    print(stderr, command.error + QLatin1Char('\n'));
    return 2;
}

// Qt ends the program with abort() when no window system answers, leaving a
// core dump and an English line meant for developers. While the application
// object starts, such an end is told in words a parent can act on instead.
QtMessageHandler toolkitMessages = nullptr;

// Qt's own lines before it say which window system failed; its last words
// ("Reinstalling the application may fix this problem") would mislead.
void refuseWithoutScreen(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        toolkitMessages(type, context, message);
        return;
    }
    print(stderr, QStringLiteral("porominka: 画面に まどを ひらけません / cannot open a window: no display answers\n"));
    std::_Exit(1);
}

// Where a mode draws: not at all, on no screen, or on the desktop.
enum class Drawing { None, Offscreen, Desktop };

struct ModeRow {
    CommandLine::Mode mode;
    Drawing drawing;
    int (*run)(const CommandLine& command);
};

// Pictures are only read by the check, never shown, so it needs no desktop.
// A worksheet file is drawn on no screen: it makes its own application
// object once the file is open, so that a file it cannot write is refused
// before anything starts.
constexpr ModeRow modes[] = {
    {CommandLine::Mode::Play, Drawing::Desktop, play},
    {CommandLine::Mode::Help, Drawing::None, showUsage},
    {CommandLine::Mode::Version, Drawing::None, showVersion},
    {CommandLine::Mode::Check, Drawing::Offscreen, checkFiles},
    {CommandLine::Mode::WorksheetFile, Drawing::None, writeWorksheet},
    {CommandLine::Mode::WorksheetWindow, Drawing::Desktop, openWorksheet},
    {CommandLine::Mode::RecordWindow, Drawing::Desktop, openRecord},
    {CommandLine::Mode::ExportRecord, Drawing::None, exportRecord},
    {CommandLine::Mode::ImportRecord, Drawing::None, importRecord},
    {CommandLine::Mode::OptionRefused, Drawing::None, refuseOption},
    {CommandLine::Mode::UsageError, Drawing::None, refuse},
};

} // namespace

int main(int argc, char* argv[])
{
    // Every byte of every argument is kept: a file's name need not be UTF-8.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << NameFromBytes(argv[i]);
    const CommandLine command = ParseCommandLine(arguments);

    const ModeRow& row =
        *std::find_if(std::begin(modes), std::end(modes), [&](const ModeRow& m) { return m.mode == command.mode; });
    if (row.drawing == Drawing::Offscreen)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt takes options of its own from the arguments it is given (-platform,
    // -style, -reverse, ...). The command line offers none of them, so the
    // application object is told the program's name alone.
    int nameOnly = 1;
    std::optional<QApplication> application;
    std::optional<ToolkitDialogLanguage> dialogLanguage;
    if (row.drawing != Drawing::None) {
        toolkitMessages = qInstallMessageHandler(refuseWithoutScreen);
        application.emplace(nameOnly, argv);
        qInstallMessageHandler(toolkitMessages);
        dialogLanguage.emplace(QLocale::system());
    }
    return row.run(command);
}
