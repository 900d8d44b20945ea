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
    std::array<std::int32_t, N> slots{};
    for (std::size_t column = 0; column < N; ++column)
        slots[column] = text.at(column) == '.' ? BLANK : text.at(column) == 'x' ? STRUCK : text.at(column) - '0';
    return slots;
}

// Poses a problem written as "305-8" or "48+37" and gives its operation.
inline Operation posePaperProblem(ExerciseState& state, const char* problem)
{
    int upper = 0, lower = 0;
    char sign = 0;
    std::sscanf(problem, "%d%c%d", &upper, &sign, &lower);
    const Operation operation = sign == '-' ? Operation::Subtraction : Operation::Addition;
    PoseProblem(state, operation, upper, lower);
    return operation;
}
