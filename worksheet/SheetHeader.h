// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QPainter;
class QString;
struct Worksheet;
struct WorksheetSettings;

// The settings in the practice window's own words, as the header prints them.
QString SettingsInWords(const WorksheetSettings& settings);

// The top of a problem page: なまえ and the date to fill in, and the settings.
void PaintProblemHeader(QPainter& painter, const Worksheet& sheet);
// The top of a key page: "こたえ", the settings and the seed.
void PaintKeyHeader(QPainter& painter, const Worksheet& sheet);

// Where the problems start under each header, in sheet units.
inline constexpr double PROBLEM_HEADER_BOTTOM = 140;
inline constexpr double KEY_HEADER_BOTTOM = 110;
