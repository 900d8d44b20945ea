// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/DigitEntryRules.h"

std::int32_t SteppedSlot(std::int32_t slot, StepDirection direction)
{
    if (direction == StepDirection::Forwards)
        return slot >= 9 ? BLANK : slot + 1;
    return slot <= BLANK ? 9 : slot - 1;
}

std::int32_t DroppedValue(std::int32_t heldSymbol)
{
    return heldSymbol == HELD_SLASH ? 0 : heldSymbol;
}

bool DropHeldSymbol(ExerciseState& state, std::int32_t& slot)
{
    if (state.HeldDigit == NO_HELD)
        return false;
    slot = DroppedValue(state.HeldDigit);
    state.HeldDigit = NO_HELD;
    return true;
}

std::optional<std::int32_t> TypedDigit(std::u16string_view text)
{
    if (text.size() != 1)
        return std::nullopt;
    for (const char16_t zero : {u'0', u'０'}) {
        if (text[0] >= zero && text[0] <= zero + 9)
            return text[0] - zero;
    }
    return std::nullopt;
}

bool LetGoOfHeldSymbol(ExerciseState& state)
{
    const bool wasHolding = state.HeldDigit != NO_HELD;
    state.HeldDigit = NO_HELD;
    return wasHolding;
}

bool IsStruck(const ExerciseState& state, int column)
{
    return state.CrossedOut[column] == STRUCK;
}

void ToggleStruck(ExerciseState& state, int column)
{
    state.CrossedOut[column] = IsStruck(state, column) ? 0 : STRUCK;
}
