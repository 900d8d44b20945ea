#pragma once

#include "ExerciseState.h"

#include <cstdint>

// The number a row of column digits shows; a blank slot adds nothing.
inline std::int32_t RowNumber(const DigitRow& row)
{
    std::int32_t number = 0;
    for (const std::int32_t digit : row)
        number = number * 10 + (digit == BLANK ? 0 : digit);
    return number;
}
