// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Judge.h"
#include "engine/WorkedAnswer.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <tuple>
#include <utility>

namespace {

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

// Poses a problem written as "305-8" or "48+37".
void posePaperProblem(ExerciseState& state, const char* problem)
{
    int upper = 0, lower = 0;
    char sign = 0;
    std::sscanf(problem, "%d%c%d", &upper, &sign, &lower);
    PoseProblem(state, sign == '-' ? Operation::Subtraction : Operation::Addition, upper, lower);
}

TEST(JudgeEntries, JudgesAnswerAndNotationApart)
{
    // What the learner leaves in the cells, with the kind selected at the moment
    // of judging, and the verdict it earns. An answer cell nobody touched holds
    // 0; one stepped back to empty holds BLANK.
    using Row = const char*;
    const std::tuple<Row, Row, int, Row, Row, Row, bool, bool> cases[] = {
        {"UntouchedCellMatchesBlank", "100+5", 0, "0105", "...", "000", true, true},
        {"EmptiedCellMatchesBlank", "100+5", 0, ".105", "...", "000", true, true},
        {"EmptiedCellMissesZero", "100+5", 0, "01.5", "...", "000", false, true},
        {"UntouchedRowAnswersNothingLeft", "5-5", 1, "0000", "...", "000", true, true},
        {"DigitWhereNothingBelongs", "100+23", 0, "1123", "...", "000", false, true},
        {"WrongUnitsRightCarry", "48+37", 0, "..84", "..1", "000", false, true},
        {"WrongAnswerAndCarry", "48+37", 0, "..75", "...", "000", false, false},
        {"ZeroNotationOverAddition", "12+3", 0, "0015", "000", "000", true, true},
        {"ZeroNotationOverSubtraction", "15-3", 1, "0012", "000", "000", true, true},
        {"OnlyTheHundredsCarry", "150+50", 0, "0200", ".1.", "000", true, true},
        {"CarryOverTheTensToo", "150+50", 0, "0200", ".11", "000", true, false},
        {"CarryLeftOut", "150+50", 0, "0200", "...", "000", true, false},
        {"LoweredDigitNotStruck", "60-5", 1, "0055", "..5", "000", true, false},
        {"LoweredDigitStruck", "60-5", 1, "0055", "..5", "00x", true, true},
        {"StruckWithoutLoweredDigit", "60-5", 1, "0055", "...", "00x", true, false},
        {"WrongLoweredDigitStruck", "60-5", 1, "0055", "..4", "00x", true, false},
        {"NeedlessStrikes", "15-3", 1, "0012", "...", "xxx", true, true},
        {"LoweredToZeroStruck", "110-1", 1, "0109", "..0", "00x", true, true},
        {"LoweredToZeroLeftEmpty", "110-1", 1, "0109", "...", "00x", true, false},
        {"AdditionIgnoresStrikes", "48+37", 0, "..85", "..1", "xxx", true, true},
        {"AdditionJudgedAsSubtractionUnstruck", "48+37", 1, "..85", "..1", "000", true, false},
        {"AdditionJudgedAsSubtractionStruck", "48+37", 1, "..85", "..1", "00x", true, true},
        {"KindTwoMeansAddition", "60-5", 2, "0055", "..5", "000", true, true},
    };
    for (const auto& [name, problem, kindShown, answer, marks, crossedOut, answerRight, marksRight] : cases) {
        SCOPED_TRACE(name);
        ExerciseState state;
        posePaperProblem(state, problem);
        state.EnteredAnswer = paperRow<4>(answer);
        state.EnteredMarks = paperRow<3>(marks);
        state.CrossedOut = paperRow<3>(crossedOut);
        const Judgement judgement = JudgeEntries(state, OperationForKind(kindShown));
        EXPECT_EQ(std::pair(judgement.AnswerRight, judgement.MarksRight), std::pair(answerRight, marksRight));
    }
}

// Only the answer moves the phase; only a right answer at the first try counts.
TEST(RecordJudgement, MovesThePhaseAndCountsFirstTries)
{
    const std::tuple<Phase, bool, Phase, int> steps[] = {  // phase, answer right, phase and first tries after
        {Phase::FirstTry, false, Phase::Retrying, 4}, {Phase::Retrying, false, Phase::Retrying, 4},
        {Phase::FirstTry, true, Phase::Closed, 5},    {Phase::Retrying, true, Phase::Closed, 4},
        {Phase::Closed, true, Phase::Closed, 4},
    };
    for (const auto& [phaseBefore, answerRight, phaseAfter, firstTriesAfter] : steps) {
        ExerciseState state;
        std::tie(state.Phase, state.ProblemCount, state.FirstTryCount) = std::tuple(phaseBefore, 6, 4);
        RecordJudgement(state, answerRight);
        EXPECT_EQ(std::tie(state.Phase, state.ProblemCount, state.FirstTryCount), std::tuple(phaseAfter, 6, firstTriesAfter))
            << "phase " << static_cast<int>(phaseBefore) << (answerRight ? ", right" : ", wrong");
    }
}

TEST(Score, IsFirstTriesPerHundredRoundedDown)
{
    const int tallies[][3] = {{1, 1, 100}, {0, 1, 0}, {1, 3, 33}, {2, 3, 66}, {5, 7, 71}, {0, 0, 0}, {3, 0, 0}};
    for (const auto& [firstTries, problems, score] : tallies) {
        ExerciseState state;
        std::tie(state.FirstTryCount, state.ProblemCount) = std::tuple(firstTries, problems);
        EXPECT_EQ(Score(state), score) << firstTries << " of " << problems;
    }
}

} // namespace
