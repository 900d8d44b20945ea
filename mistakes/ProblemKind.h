// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/ExerciseState.h"

#include <array>
#include <string_view>

// The kinds of problem whose first tries a parent compares.
enum class ProblemKind { AdditionNoCarry, AdditionCarry, SubtractionNoBorrow, SubtractionBorrow, BorrowAcrossZero };

inline constexpr int PROBLEM_KIND_COUNT = 5;
inline constexpr int MAX_COLUMNS = 4;

ProblemKind KindOf(const ExerciseState& problem);

// How many columns the problem's numbers take, 1 to 4.
int ColumnsOf(const ExerciseState& problem);

// The kind's name for a parent, in Japanese and in English.
struct KindName {
    std::string_view ja;
    std::string_view en;
};
KindName NameOf(ProblemKind kind);

// The whole number a row shows; a BLANK slot shows nothing.
std::int32_t NumberIn(const DigitRow& row);
