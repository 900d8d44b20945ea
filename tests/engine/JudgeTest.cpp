// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Judge.h"
#include "tests/support/PaperRows.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TEST(JudgeEntries, JudgesAnswerAndNotationApart)
{
    // What the learner leaves in the cells, with the operation selected at the
    // moment of judging, and the verdict it earns. An answer cell nobody touched holds
    // 0; one stepped back to empty holds BLANK.
    using Row = const char*;
    const std::tuple<Row, Row, char, Row, Row, Row, bool, bool> cases[] = {
        {"UntouchedCellMatchesBlank", "100+5", '+', "0105", "...", "000", true, true},
        {"EmptiedCellMatchesBlank", "100+5", '+', ".105", "...", "000", true, true},
        {"EmptiedCellMissesZero", "100+5", '+', "01.5", "...", "000", false, true},
        {"DigitWhereNothingBelongs", "100+23", '+', "1123", "...", "000", false, true},
        {"WrongUnitsRightCarry", "48+37", '+', "..84", "..1", "000", false, true},
        {"ZeroNotationWhereNoneIsWritten", "15-3", '-', "0012", "000", "000", true, true},
        {"OnlyTheHundredsCarry", "150+50", '+', "0200", ".1.", "000", true, true},
        {"CarryOverTheTensToo", "150+50", '+', "0200", ".11", "000", true, false},
        {"CarryLeftOut", "150+50", '+', "0200", "...", "000", true, false},
        {"LoweredDigitNotStruck", "60-5", '-', "0055", "..5", "000", true, false},
        {"LoweredDigitStruck", "60-5", '-', "0055", "..5", "00x", true, true},
        {"StruckWithoutLoweredDigit", "60-5", '-', "0055", "...", "00x", true, false},
        {"NeedlessStrikes", "15-3", '-', "0012", "...", "xxx", true, true},
        {"LoweredToZeroStruck", "110-1", '-', "0109", "..0", "00x", true, true},
        {"LoweredToZeroLeftEmpty", "110-1", '-', "0109", "...", "00x", true, false},
        {"AdditionIgnoresStrikes", "48+37", '+', "..85", "..1", "xxx", true, true},
        {"AdditionJudgedAsSubtraction", "48+37", '-', "..85", "..1", "000", true, false},
    };
    for (const auto& [name, problem, signShown, answer, marks, crossedOut, answerRight, marksRight] : cases) {
        SCOPED_TRACE(name);
        ExerciseState state = posed(problem);
        state.EnteredAnswer = paperRow<4>(answer);
        state.EnteredMarks = paperRow<3>(marks);
        state.CrossedOut = paperRow<3>(crossedOut);
        const Judgement judgement = JudgeEntries(state, signShown == '-' ? Operation::Subtraction : Operation::Addition);
        EXPECT_EQ(std::tie(judgement.AnswerRight, judgement.MarksRight), std::tie(answerRight, marksRight));
    }
}

// The score is first tries per hundred problems; with no problem counted
// yet it is 0. How each judgement moves the phase and the counters, and the
// score being cut, is followed through a whole run in the practice-run tests.
TEST(Score, IsZeroBeforeAnyProblemIsCounted)
{
    EXPECT_EQ(Score(ExerciseState{}), 0);
}

} // namespace
