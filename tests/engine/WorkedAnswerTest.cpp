// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/WorkedAnswer.h"

#include <gtest/gtest.h>

#include <random>
#include <tuple>

namespace {

constexpr int B = BLANK;
constexpr int placeValues[] = {1000, 100, 10, 1};

// A number as written: leading zeros show nothing, the units always show.
DigitRow onPaper(int number)
{
    DigitRow digits{};
    for (int column = 0; column < 4; ++column)
        digits[column] = column < 3 && number < placeValues[column] ? B : number / placeValues[column] % 10;
    return digits;
}

// The notation a child writes, from the two numbers alone. A column receives
// a carry (addition), or lends to its right (subtraction), exactly when the
// part of the numbers to its right overflows or runs short. A lending digit
// shows one less, a 0 having borrowed first shows 9. Notation is dropped from
// the left while it is 0 or stands over a column neither number reaches.
NotationRow marksOnPaper(Operation operation, int u, int l)
{
    NotationRow marks{};
    bool dropping = true;
    for (int column = 0; column < 3; ++column) {
        const int place = placeValues[column];
        int written = B;
        if (operation == Operation::Addition)
            written = u % place + l % place >= place ? 1 : 0;
        else if (u % place < l % place)
            written = (u / place % 10 + 9) % 10;
        dropping = dropping && (written == 0 || (u < place && l < place));
        marks[column] = dropping ? B : written;
    }
    return marks;
}

// Every problem ranges 0 to 3 can pose (and their neighbours), the four-digit
// edges (borrowing through zeros, sums up to 9999) and a sample of range 4,
// against the arithmetic. Each is posed over the leftovers of the problem
// before, left in any phase: posing clears the learner's entries, counts the
// problem and opens it, and keeps the carried symbol and the first tries.
TEST(WorkedAnswer, AgreesWithTheArithmetic)
{
    ExerciseState state;
    const Phase phases[] = {Phase::Closed, Phase::FirstTry, Phase::Retrying};
    int posed = 0, faults = 0;
    auto check = [&](Operation operation, int u, int l) {
        std::tie(state.HeldDigit, state.Phase, state.ProblemCount, state.FirstTryCount, state.EnteredMarks,
                 state.CrossedOut, state.EnteredAnswer) = std::tuple(4, phases[++posed % 3], 12, 7, NotationRow{3, 0, 8},
                                                                     NotationRow{STRUCK, STRUCK, STRUCK}, DigitRow{1, 2, 3, 4});
        PoseProblem(state, operation, u, l);
        const int result = operation == Operation::Addition ? u + l : u - l;
        if (std::tie(state.HeldDigit, state.Operation, state.Phase, state.ProblemCount, state.FirstTryCount,
                     state.ExpectedMarks, state.EnteredMarks, state.CrossedOut, state.TopDigits, state.BottomDigits,
                     state.EnteredAnswer, state.ExpectedAnswer)
                != std::tuple(4, operation, Phase::FirstTry, 13, 7, marksOnPaper(operation, u, l), NotationRow{B, B, B},
                              NotationRow{}, onPaper(u), onPaper(l), DigitRow{}, onPaper(result))
            && ++faults <= 5)
            ADD_FAILURE() << u << (operation == Operation::Addition ? " + " : " - ") << l << " worked wrong";
    };
    for (int u = 0; u <= 1000; ++u)
        for (int l = 0; l <= 1000; ++l) {
            if (u + l <= 1000)
                check(Operation::Addition, u, l);
            if (l <= u)
                check(Operation::Subtraction, u, l);
        }
    for (int u = 1000; u <= 9999; ++u) {
        check(Operation::Subtraction, u, 1);
        check(Operation::Subtraction, u, 9);
        check(Operation::Addition, u, 9999 - u);
        check(Operation::Addition, 9999 - u, u);
    }
    std::mt19937 random(9999);
    std::uniform_int_distribution number(0, 9999);
    for (int draw = 0; draw < 200'000; ++draw) {
        const int a = number(random), b = number(random);
        if (a + b <= 9999)
            check(Operation::Addition, a, b);
        check(Operation::Subtraction, std::max(a, b), std::min(a, b));
    }
}

} // namespace
