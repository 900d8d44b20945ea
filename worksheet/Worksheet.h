// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/ExerciseState.h"
#include "worksheet/WorksheetSettings.h"

#include <vector>

// Which pages a copy of the sheet holds: the problems and then their key,
// or one of the two, for a key printed apart from the children's sheets.
enum class SheetParts { ProblemsAndKey, Problems, Key };

// One sheet: its settings and its problems in order, each worked out as
// NewProblem leaves it, so the key reads straight from the rows.
struct Worksheet {
    WorksheetSettings settings;
    std::vector<ExerciseState> problems;
    SheetParts parts = SheetParts::ProblemsAndKey;
};

// Draws the sheet's problems by the drawing rules of its settings, from a
// random source seeded with its seed. A sheet with a focus keeps only the
// problems that expose that misconception, fewer when its settings can
// hardly pose them.
Worksheet DrawWorksheet(const WorksheetSettings& settings);
