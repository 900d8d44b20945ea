// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "worksheet/WorksheetSettings.h"

#include <QString>

#include <optional>
#include <variant>

class QCommandLineParser;

// The drill's own command line, besides the settings it shares with
// worksheets (see ReadSettingOptions):
//   [--zoom F] [--lock]
void AddPlayOptions(QCommandLineParser& parser);

// What --help says of them, in Japanese and English.
QString PlayUsageText();

// True when the command line names an option of the drill's, settings included.
bool PlayOptionsGiven(const QCommandLineParser& parser);

// How the drill is asked to start.
struct PlayRequest {
    // A zoom fixed for the whole run; without one the window takes the zoom
    // that suits its screen and follows its size.
    std::optional<double> zoom;
    // The radio items selected at start-up.
    WorksheetSettings settings;
    // The three settings greyed out for the whole run, out of the child's reach.
    bool locked = false;
};

// Reads the parsed options. Bad input gives one line naming the option and
// the values it takes.
std::variant<PlayRequest, QString> ReadPlayOptions(const QCommandLineParser& parser);
