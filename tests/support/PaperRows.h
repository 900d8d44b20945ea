// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/WorkedAnswer.h"

#include <array>
#include <cstdio>
#include <string>

// A row as written on paper: "." for a slot that shows nothing, "x" for an
// upper digit struck through.
template <std::size_t N>
std::array<std::int32_t, N> paperRow(const std::string& text)
{
    std::array<std::int32_t, N> row{};
    for (std::size_t column = 0; column < N; ++column)
        row[column] = text.at(column) == '.' ? BLANK : text.at(column) == 'x' ? STRUCK : text.at(column) - '0';
    return row;
}

// A problem as a sum written on one line, "143-24" or "47+35", posed as
// drawing that pair would pose it.
inline ExerciseState posed(const std::string& sum)
{
    int upper = 0;
    int lower = 0;
    char sign = 0;
    std::sscanf(sum.c_str(), "%d%c%d", &upper, &sign, &lower);
    ExerciseState state;
    PoseProblem(state, sign == '-' ? Operation::Subtraction : Operation::Addition, upper, lower);
    return state;
}
