// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/Operation.h"
#include "engine/Phase.h"

#include <array>
#include <cstdint>

// A digit slot that shows nothing.
inline constexpr std::int32_t BLANK = -1;
// HeldDigit when no keypad symbol is being carried.
inline constexpr std::int32_t NO_HELD = -2;
// HeldDigit while the slash is being carried.
inline constexpr std::int32_t HELD_SLASH = -1;

// Column rows run from the thousands (index 0) to the units (index 3). The
// notation rows stop at the tens: nothing is carried into the units column or
// borrowed from its upper digit.
using DigitRow = std::array<std::int32_t, 4>;
using NotationRow = std::array<std::int32_t, 3>;

// One problem as the child works on it: the operands, the worked answer,
// the entries, the carried symbol and the run's phase and counters. The
// practice session holds the one of the run; a worksheet's problems are
// set up the same way.
struct ExerciseState {
    std::int32_t HeldDigit = NO_HELD;
    ::Operation Operation = ::Operation::Addition;
    ::Phase Phase = ::Phase::Closed;
    std::int32_t ProblemCount = 0;
    std::int32_t FirstTryCount = 0;
    NotationRow ExpectedMarks{BLANK, BLANK, BLANK};
    NotationRow EnteredMarks{BLANK, BLANK, BLANK};
    NotationRow CrossedOut{0, 0, 0};
    DigitRow TopDigits{0, 0, 0, 0};
    DigitRow BottomDigits{0, 0, 0, 0};
    DigitRow EnteredAnswer{0, 0, 0, 0};
    DigitRow ExpectedAnswer{0, 0, 0, 0};
};

// CrossedOut value of an upper digit the learner has struck through.
inline constexpr std::int32_t STRUCK = -1;

// Puts every row back to its start value; the scalar fields stay as they are.
void ResetExerciseState(ExerciseState& state);

