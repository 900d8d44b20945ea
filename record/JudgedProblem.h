// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/DrillSettings.h"
#include "engine/ExerciseState.h"
#include "mistakes/Diagnosis.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// One problem of the private record, as the child met it at its first
// judgement: when, under which settings, the sum, the answer and the notes
// as first written, the verdict, the seconds from seeing the problem to
// that judgement, and the misconceptions whose work it was.
struct JudgedProblem {
    // Milliseconds since 1970-01-01 UTC.
    std::int64_t judgedAt = 0;
    DrillSettings settings;
    Operation operation = Operation::Addition;
    std::int32_t upper = 0;
    std::int32_t lower = 0;
    // As paper rows: a digit, "." for an emptied cell; strikes "x" or "-".
    std::string answer;
    std::string notes;
    std::string strikes;
    // "correct", "notes-wrong" or "answer-wrong".
    std::string outcome;
    std::int32_t seconds = 0;
    std::vector<std::string> sightings;

    friend bool operator==(const JudgedProblem&, const JudgedProblem&) = default;
};

// The first judgement of the problem in `sheet`, the child's cells filled.
JudgedProblem FirstTryOf(const ExerciseState& sheet, const DrillSettings& settings, std::int64_t judgedAt,
                         std::int32_t seconds);

// The problem posed again with the child's first answer and notes in its
// cells; nothing when the stored problem is not one the drill can pose.
std::optional<ExerciseState> SheetOf(const JudgedProblem& problem);

// What the whole record, oldest first, tells.
Diagnosis DiagnosisOf(const std::vector<JudgedProblem>& record);
