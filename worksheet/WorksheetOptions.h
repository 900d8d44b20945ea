// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "worksheet/WorksheetFiles.h"
#include "worksheet/WorksheetSettings.h"

#include <QString>

#include <optional>
#include <variant>

class QCommandLineParser;

// The sheet mode's command line:
//   --worksheet [FILE.pdf] [--range 10|20|100|1000|9999] [--carry none|always|mixed]
//               [--operation add|subtract] [--problems N] [--seed S] [--focus ID]
// FILE is the one positional argument; without it the "プリント" window opens.
void AddWorksheetOptions(QCommandLineParser& parser);

// What --help says of them, in Japanese and English.
QString WorksheetUsageText();

// True when the command line names --worksheet or an option of its own
// other than the settings.
bool WorksheetOptionsGiven(const QCommandLineParser& parser);

// The three settings, which the drill's window takes as well as a sheet:
//   [--range 10|20|100|1000|9999] [--carry none|always|mixed] [--operation add|subtract]
// with the words in the order of the radio items. AddWorksheetOptions adds
// them; reading sets the items given, or names the option and the values it
// takes.
std::optional<QString> ReadSettingOptions(const QCommandLineParser& parser, WorksheetSettings& settings);
bool SettingOptionsGiven(const QCommandLineParser& parser);

// What the command line asks for. The values left out are the practice
// window's start-up settings, twelve problems and a seed drawn at random.
struct WorksheetRequest {
    WorksheetSettings settings;
    bool seedGiven = false;
    QString file;
    AnswerKey key = AnswerKey::After;
};

// Reads the parsed options. Bad input gives one line naming the option and
// the values it takes; so do the sheet's options given without --worksheet.
std::variant<WorksheetRequest, QString> ReadWorksheetOptions(const QCommandLineParser& parser);
