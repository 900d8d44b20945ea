#include "RowNumber.h"
#include "SelectionRules.h"
#include "WorkedAnswer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

// A slot that shows nothing, kept short so the rows below line up.
constexpr std::int32_t B = BLANK;
constexpr std::int32_t ADD = OPERATION_ADDITION;
constexpr std::int32_t SUB = OPERATION_SUBTRACTION;

struct WorkedCase {
    std::int32_t operation;
    std::int32_t upper;
    std::int32_t lower;
    DigitRow top;
    DigitRow bottom;
    DigitRow answer;
    NotationRow marks;
};

// Worked on paper: rows run thousands to units, notation thousands to tens.
const WorkedCase workedCases[] = {
    {SUB, 1000, 1, {1, 0, 0, 0}, {B, B, B, 1}, {B, 9, 9, 9}, {B, 9, 9}},
    {SUB, 305, 8, {B, 3, 0, 5}, {B, B, B, 8}, {B, 2, 9, 7}, {B, 2, 9}},
    {SUB, 3005, 7, {3, 0, 0, 5}, {B, B, B, 7}, {2, 9, 9, 8}, {2, 9, 9}},
    {SUB, 9000, 1, {9, 0, 0, 0}, {B, B, B, 1}, {8, 9, 9, 9}, {8, 9, 9}},
    {SUB, 5000, 4999, {5, 0, 0, 0}, {4, 9, 9, 9}, {B, B, B, 1}, {4, 9, 9}},
    {SUB, 4234, 1782, {4, 2, 3, 4}, {1, 7, 8, 2}, {2, 4, 5, 2}, {3, 1, B}},
    {SUB, 7073, 342, {7, 0, 7, 3}, {B, 3, 4, 2}, {6, 7, 3, 1}, {6, B, B}},
    {SUB, 110, 1, {B, 1, 1, 0}, {B, B, B, 1}, {B, 1, 0, 9}, {B, B, 0}},
    {SUB, 110, 20, {B, 1, 1, 0}, {B, B, 2, 0}, {B, B, 9, 0}, {B, B, B}},
    {SUB, 1010, 11, {1, 0, 1, 0}, {B, B, 1, 1}, {B, 9, 9, 9}, {B, 9, 0}},
    {SUB, 1100, 101, {1, 1, 0, 0}, {B, 1, 0, 1}, {B, 9, 9, 9}, {B, B, 9}},
    {SUB, 2000, 1000, {2, 0, 0, 0}, {1, 0, 0, 0}, {1, 0, 0, 0}, {B, B, B}},
    {SUB, 80, 79, {B, B, 8, 0}, {B, B, 7, 9}, {B, B, B, 1}, {B, B, 7}},
    {SUB, 60, 5, {B, B, 6, 0}, {B, B, B, 5}, {B, B, 5, 5}, {B, B, 5}},
    {SUB, 15, 7, {B, B, 1, 5}, {B, B, B, 7}, {B, B, B, 8}, {B, B, B}},
    {SUB, 100, 100, {B, 1, 0, 0}, {B, 1, 0, 0}, {B, B, B, 0}, {B, B, B}},
    {SUB, 6, 6, {B, B, B, 6}, {B, B, B, 6}, {B, B, B, 0}, {B, B, B}},
    {ADD, 99, 1, {B, B, 9, 9}, {B, B, B, 1}, {B, 1, 0, 0}, {B, B, 1}},
    {ADD, 30, 70, {B, B, 3, 0}, {B, B, 7, 0}, {B, 1, 0, 0}, {B, B, B}},
    {ADD, 48, 37, {B, B, 4, 8}, {B, B, 3, 7}, {B, B, 8, 5}, {B, B, 1}},
    {ADD, 14, 6, {B, B, 1, 4}, {B, B, B, 6}, {B, B, 2, 0}, {B, B, 1}},
    {ADD, 9, 8, {B, B, B, 9}, {B, B, B, 8}, {B, B, 1, 7}, {B, B, B}},
    {ADD, 5, 5, {B, B, B, 5}, {B, B, B, 5}, {B, B, 1, 0}, {B, B, B}},
    {ADD, 999, 1, {B, 9, 9, 9}, {B, B, B, 1}, {1, 0, 0, 0}, {B, 1, 1}},
    {ADD, 905, 95, {B, 9, 0, 5}, {B, B, 9, 5}, {1, 0, 0, 0}, {B, 1, 1}},
    {ADD, 500, 500, {B, 5, 0, 0}, {B, 5, 0, 0}, {1, 0, 0, 0}, {B, B, B}},
    {ADD, 6448, 2791, {6, 4, 4, 8}, {2, 7, 9, 1}, {9, 2, 3, 9}, {1, 1, 0}},
    {ADD, 1999, 1, {1, 9, 9, 9}, {B, B, B, 1}, {2, 0, 0, 0}, {1, 1, 1}},
    {ADD, 4567, 5432, {4, 5, 6, 7}, {5, 4, 3, 2}, {9, 9, 9, 9}, {B, B, B}},
    {ADD, 9, 9990, {B, B, B, 9}, {9, 9, 9, 0}, {9, 9, 9, 9}, {B, B, B}},
    {ADD, 0, 0, {B, B, B, 0}, {B, B, B, 0}, {B, B, B, 0}, {B, B, B}},
    {ADD, 150, 50, {B, 1, 5, 0}, {B, B, 5, 0}, {B, 2, 0, 0}, {B, 1, 0}},
};

// Leftovers of an earlier problem that posing a new one must clear, or keep.
ExerciseState usedState(std::int32_t phase)
{
    ExerciseState state;
    state.HeldDigit = 4;
    state.Phase = phase;
    state.ProblemCount = 12;
    state.FirstTryCount = 7;
    state.ExpectedMarks = {5, 5, 5};
    state.EnteredMarks = {3, 0, 8};
    state.CrossedOut = {STRUCK, STRUCK, STRUCK};
    state.TopDigits = {7, 7, 7, 7};
    state.BottomDigits = {6, 6, 6, 6};
    state.EnteredAnswer = {1, 2, 3, 4};
    state.ExpectedAnswer = {9, 9, 9, 9};
    return state;
}

TEST(WorkedAnswer, FillsEveryRowAsWorkedOnPaper)
{
    for (const WorkedCase& worked : workedCases)
        for (const std::int32_t phase : {PHASE_CLOSED, PHASE_FIRST_TRY, PHASE_RETRYING}) {
            SCOPED_TRACE(std::to_string(worked.upper) + (worked.operation == SUB ? " - " : " + ")
                         + std::to_string(worked.lower) + ", phase before " + std::to_string(phase));
            ExerciseState state = usedState(phase);
            PoseProblem(state, worked.operation, worked.upper, worked.lower);
            EXPECT_EQ(state.TopDigits, worked.top);
            EXPECT_EQ(state.BottomDigits, worked.bottom);
            EXPECT_EQ(state.ExpectedAnswer, worked.answer);
            EXPECT_EQ(state.ExpectedMarks, worked.marks);
            EXPECT_EQ(state.Operation, worked.operation);
            EXPECT_EQ(state.EnteredAnswer, (DigitRow{0, 0, 0, 0}));
            EXPECT_EQ(state.EnteredMarks, (NotationRow{B, B, B}));
            EXPECT_EQ(state.CrossedOut, (NotationRow{0, 0, 0}));
            EXPECT_EQ(state.ProblemCount, 13);
            EXPECT_EQ(state.FirstTryCount, 7);
            EXPECT_EQ(state.Phase, PHASE_FIRST_TRY);
        }
}

std::int32_t placeValueOf(int column)
{
    constexpr std::int32_t placeValues[] = {1000, 100, 10, 1};
    return placeValues[column];
}

// Blanks exactly the leading zeros: nothing shown before the first non-zero
// digit except in the units, and nothing blank after it.
bool leadingZerosBlanked(const DigitRow& row)
{
    bool shown = false;
    for (int column = 0; column < 4; ++column) {
        const bool blank = row[column] == BLANK;
        if (blank ? shown || column == 3 : !shown && row[column] == 0 && column < 3)
            return false;
        shown = shown || !blank;
    }
    return true;
}

// The notation a child writes, found from the two numbers alone. Column c
// receives a carry (addition), or lends to its right (subtraction), exactly
// when the part of the numbers to its right overflows or runs short. A
// lending digit shows one less; a 0 first borrows, so it shows 9. Notation
// is dropped from the left while it is a 0 or stands over a column neither
// number reaches.
NotationRow marksOnPaper(std::int32_t operation, std::int32_t u, std::int32_t l)
{
    NotationRow marks{};
    bool dropping = true;
    for (int column = 0; column < 3; ++column) {
        const std::int32_t place = placeValueOf(column);
        std::int32_t written = BLANK;
        if (operation == OPERATION_ADDITION)
            written = u % place + l % place >= place ? 1 : 0;
        else if (u % place < l % place)
            written = (u / place % 10 + 9) % 10;
        dropping = dropping && (written == 0 || (u < place && l < place));
        marks[column] = dropping ? BLANK : written;
    }
    return marks;
}

bool workedRight(ExerciseState& state, std::int32_t operation, std::int32_t u, std::int32_t l)
{
    PoseProblem(state, operation, u, l);
    const std::int32_t result = operation == OPERATION_ADDITION ? u + l : u - l;
    return RowNumber(state.ExpectedAnswer) == result && RowNumber(state.TopDigits) == u
        && RowNumber(state.BottomDigits) == l && leadingZerosBlanked(state.ExpectedAnswer)
        && leadingZerosBlanked(state.TopDigits) && leadingZerosBlanked(state.BottomDigits)
        && state.ExpectedMarks == marksOnPaper(operation, u, l);
}

// Every problem the generator can pose up to range 3, and a large sample of
// range 4, against what the numbers themselves say.
TEST(WorkedAnswer, AgreesWithTheArithmeticForEveryPosableProblem)
{
    // One state from problem to problem, as in a run, so nothing may be left
    // over from the problem before.
    ExerciseState state = usedState(PHASE_CLOSED);
    int faults = 0;
    auto check = [&](std::int32_t operation, std::int32_t u, std::int32_t l) {
        if (!workedRight(state, operation, u, l) && ++faults <= 5)
            ADD_FAILURE() << u << (operation == OPERATION_ADDITION ? " + " : " - ") << l << " worked wrong";
    };
    for (const std::int32_t kind : {0, 1}) {
        std::vector<bool> posable(1001 * 1001);
        for (const SelectionRule& rule : SelectionRules())
            if (rule.kind == kind && rule.range < 4)
                for (std::int32_t u = rule.upper.low; u <= rule.upper.high; ++u)
                    for (std::int32_t l = rule.lower.low; l <= rule.lower.high; ++l)
                        if (rule.accepts(u, l))
                            posable[u * 1001 + l] = true;
        const std::int32_t operation = kind == 1 ? OPERATION_SUBTRACTION : OPERATION_ADDITION;
        for (std::int32_t u = 0; u <= 1000; ++u)
            for (std::int32_t l = 0; l <= 1000; ++l)
                if (posable[u * 1001 + l])
                    check(operation, u, l);
    }

    std::mt19937 random(9999);
    std::uniform_int_distribution<std::int32_t> number(0, 9999);
    for (int draw = 0; draw < 200'000; ++draw) {
        const std::int32_t a = number(random);
        const std::int32_t b = number(random);
        if (a + b <= 9999)
            check(OPERATION_ADDITION, a, b);
        if (std::min(a, b) >= 1)
            check(OPERATION_SUBTRACTION, std::max(a, b), std::min(a, b));
    }
    EXPECT_EQ(faults, 0);
}

} // namespace
