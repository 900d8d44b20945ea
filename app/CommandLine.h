// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/PlayOptions.h"
#include "worksheet/WorksheetOptions.h"

#include <QString>
#include <QStringList>

// What the program was asked to do. It is read from the arguments before any
// application object exists, so that asking for help, the version or a check,
// and every mistake on the command line, needs no display.
struct CommandLine {
    enum class Mode {
        Play,
        Help,
        Version,
        Check,
        WorksheetFile,
        WorksheetWindow,
        RecordWindow,
        ExportRecord,
        ImportRecord,
        OptionRefused,
        UsageError
    };

    Mode mode = Mode::Play;
    // No sound and no beep for the whole run.
    bool muted = false;
    // Judged problems go into the private record unless --no-record.
    bool recording = true;
    // For ExportRecord and ImportRecord: the JSON file.
    QString recordFile;
    // For UsageError: what was wrong, one line in Japanese and in English.
    // For OptionRefused: the one line naming the option and its values.
    QString error;
    // For WorksheetFile and WorksheetWindow: the sheet asked for.
    WorksheetRequest worksheet;
    // For Play: how the drill starts.
    PlayRequest play;
};

// Reads the arguments, the program's own name first.
CommandLine ParseCommandLine(const QStringList& arguments);

// What --help prints, also shown after a usage error; in Japanese and English.
QString UsageText();
// What --version prints.
QString VersionText();
