// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The operation of a problem, stored with the values the exercise record has
// always used: 1 addition, -1 subtraction.
enum class Operation : std::int32_t { Addition = 1, Subtraction = -1 };

// Whether a notation mark is written above its column: a carry of 0 is no
// carry, while a lowered upper digit may well be 0; BLANK is never written.
bool MarkIsWritten(Operation operation, std::int32_t mark);
