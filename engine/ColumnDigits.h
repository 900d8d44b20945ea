// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// Column indexes shared by every row.
inline constexpr int THOUSANDS = 0;
inline constexpr int HUNDREDS = 1;
inline constexpr int TENS = 2;
inline constexpr int UNITS = 3;

// The digit a whole number 0 to 9999 writes in one column.
constexpr std::int32_t DigitOf(std::int32_t number, int column)
{
    constexpr std::int32_t placeValue[] = {1000, 100, 10, 1};
    return column == THOUSANDS ? number / 1000 : number / placeValue[column] % 10;
}

// The digits of one column added, without any carry coming in from the right.
constexpr std::int32_t ColumnSum(std::int32_t upper, std::int32_t lower, int column)
{
    return DigitOf(upper, column) + DigitOf(lower, column);
}

// The lower digit taken from the upper one in one column, before any lending.
constexpr std::int32_t ColumnDifference(std::int32_t upper, std::int32_t lower, int column)
{
    return DigitOf(upper, column) - DigitOf(lower, column);
}
