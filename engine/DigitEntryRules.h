// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/ExerciseState.h"

#include <cstdint>
#include <optional>
#include <string_view>

// Which way a press steps a cell: the left button forwards, the others back.
enum class StepDirection { Forwards, Backwards };

// The slot after one step through the cycle empty, ０ … ９, empty.
std::int32_t SteppedSlot(std::int32_t slot, StepDirection direction);

// What a carried symbol leaves in a slot: a digit stores itself, the slash
// wipes the cell and stores 0.
std::int32_t DroppedValue(std::int32_t heldSymbol);

// Puts the carried symbol into the slot and empties the hand. False, with
// nothing changed, when nothing is carried.
bool DropHeldSymbol(ExerciseState& state, std::int32_t& slot);

// The digit one typed or committed character stands for: "0" to "9", from
// the main keys or the number pad, or the full-width "０" to "９" that a
// Japanese input method commits. Anything else stands for none, and so do
// several characters at once: only a single key press enters a digit.
std::optional<std::int32_t> TypedDigit(std::u16string_view text);

// Empties the hand. False when nothing was carried.
bool LetGoOfHeldSymbol(ExerciseState& state);

// Whether the upper digit of a column (thousands to tens) is struck through.
bool IsStruck(const ExerciseState& state, int column);

// Strikes the upper digit through, or takes the stroke away.
void ToggleStruck(ExerciseState& state, int column);
