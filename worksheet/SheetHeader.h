// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QPainter;
struct Worksheet;

// The top of a problem page: なまえ and the date to fill in, the title from
// the settings, the score box, and the numbers used, in plain words.
void PaintProblemHeader(QPainter& painter, const Worksheet& sheet);
// The top of a key page: "こたえ" and the title, the numbers used, and for the
// teacher in small print the number that makes the same sheet again.
void PaintKeyHeader(QPainter& painter, const Worksheet& sheet);

// Where the problems start under each header, in sheet units.
inline constexpr double PROBLEM_HEADER_BOTTOM = 140;
inline constexpr double KEY_HEADER_BOTTOM = 110;
