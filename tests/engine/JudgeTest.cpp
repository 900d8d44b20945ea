#include "Judge.h"
#include "JudgeOutcome.h"
#include "WorkedAnswer.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr std::int32_t B = BLANK;
constexpr std::int32_t S = STRUCK;
constexpr std::int32_t ADD = OPERATION_ADDITION;
constexpr std::int32_t SUB = OPERATION_SUBTRACTION;

struct JudgeCase {
    const char* name;
    std::int32_t operation;
    std::int32_t upper;
    std::int32_t lower;
    std::int32_t judgedKind;  // "しゅるい" item shown at the moment of judging
    DigitRow answer;
    NotationRow marks;
    NotationRow crossedOut;
    bool answerRight;
    bool marksRight;
};

// What the learner leaves in the cells, and the verdict it earns. An answer
// cell nobody touched holds 0; one stepped back to empty holds BLANK.
const JudgeCase judgeCases[] = {
    {"UntouchedCellMatchesBlank", ADD, 100, 5, 0, {0, 1, 0, 5}, {B, B, B}, {0, 0, 0}, true, true},
    {"EmptiedCellMatchesBlank", ADD, 100, 5, 0, {B, 1, 0, 5}, {B, B, B}, {0, 0, 0}, true, true},
    {"EmptiedCellMissesZero", ADD, 100, 5, 0, {0, 1, B, 5}, {B, B, B}, {0, 0, 0}, false, true},
    {"UntouchedUnitsMatchZero", ADD, 300, 40, 0, {0, 3, 4, 0}, {B, B, B}, {0, 0, 0}, true, true},
    {"EmptiedUnitsMissZero", ADD, 300, 40, 0, {0, 3, 4, B}, {B, B, B}, {0, 0, 0}, false, true},
    {"UntouchedRowAnswersNothingLeft", SUB, 5, 5, 1, {0, 0, 0, 0}, {B, B, B}, {0, 0, 0}, true, true},
    {"LeadingZeroWritten", ADD, 100, 23, 0, {0, 1, 2, 3}, {B, B, B}, {0, 0, 0}, true, true},
    {"DigitWhereNothingBelongs", ADD, 100, 23, 0, {1, 1, 2, 3}, {B, B, B}, {0, 0, 0}, false, true},
    {"WrongUnitsRightCarry", ADD, 48, 37, 0, {B, B, 8, 4}, {B, B, 1}, {0, 0, 0}, false, true},
    {"WrongAnswerAndCarry", ADD, 48, 37, 0, {B, B, 7, 5}, {B, B, B}, {0, 0, 0}, false, false},
    {"ZeroNotationOverAddition", ADD, 12, 3, 0, {0, 0, 1, 5}, {0, 0, 0}, {0, 0, 0}, true, true},
    {"ZeroNotationOverSubtraction", SUB, 15, 3, 1, {0, 0, 1, 2}, {0, 0, 0}, {0, 0, 0}, true, true},
    {"OnlyTheHundredsCarry", ADD, 150, 50, 0, {0, 2, 0, 0}, {B, 1, B}, {0, 0, 0}, true, true},
    {"CarryOfZeroWrittenOut", ADD, 150, 50, 0, {0, 2, 0, 0}, {B, 1, 0}, {0, 0, 0}, true, true},
    {"CarryOverTheTensToo", ADD, 150, 50, 0, {0, 2, 0, 0}, {B, 1, 1}, {0, 0, 0}, true, false},
    {"CarryLeftOut", ADD, 150, 50, 0, {0, 2, 0, 0}, {B, B, B}, {0, 0, 0}, true, false},
    {"LoweredDigitNotStruck", SUB, 60, 5, 1, {0, 0, 5, 5}, {B, B, 5}, {0, 0, 0}, true, false},
    {"LoweredDigitStruck", SUB, 60, 5, 1, {0, 0, 5, 5}, {B, B, 5}, {0, 0, S}, true, true},
    {"StruckWithoutLoweredDigit", SUB, 60, 5, 1, {0, 0, 5, 5}, {B, B, B}, {0, 0, S}, true, false},
    {"WrongLoweredDigitStruck", SUB, 60, 5, 1, {0, 0, 5, 5}, {B, B, 4}, {0, 0, S}, true, false},
    {"NeedlessStrikes", SUB, 15, 3, 1, {0, 0, 1, 2}, {B, B, B}, {S, S, S}, true, true},
    {"LoweredToZeroStruck", SUB, 110, 1, 1, {0, 1, 0, 9}, {B, B, 0}, {0, 0, S}, true, true},
    {"LoweredToZeroLeftEmpty", SUB, 110, 1, 1, {0, 1, 0, 9}, {B, B, B}, {0, 0, S}, true, false},
    {"LoweredToZeroNotStruck", SUB, 110, 1, 1, {0, 1, 0, 9}, {B, B, 0}, {0, 0, 0}, true, false},
    {"AdditionIgnoresStrikes", ADD, 48, 37, 0, {B, B, 8, 5}, {B, B, 1}, {S, S, S}, true, true},
    {"AdditionJudgedAsSubtractionUnstruck", ADD, 48, 37, 1, {B, B, 8, 5}, {B, B, 1}, {0, 0, 0}, true, false},
    {"AdditionJudgedAsSubtractionStruck", ADD, 48, 37, 1, {B, B, 8, 5}, {B, B, 1}, {0, 0, S}, true, true},
    {"SubtractionJudgedAsAddition", SUB, 60, 5, 0, {0, 0, 5, 5}, {B, B, 5}, {0, 0, 0}, true, true},
    {"KindTwoMeansAddition", SUB, 60, 5, 2, {0, 0, 5, 5}, {B, B, 5}, {0, 0, 0}, true, true},
    {"KindMinusOneMeansAddition", SUB, 60, 5, -1, {0, 0, 5, 5}, {B, B, 5}, {0, 0, 0}, true, true},
};

TEST(JudgeEntries, JudgesAnswerAndNotationApart)
{
    for (const JudgeCase& judged : judgeCases) {
        SCOPED_TRACE(judged.name);
        ExerciseState state;
        PoseProblem(state, judged.operation, judged.upper, judged.lower);
        state.EnteredAnswer = judged.answer;
        state.EnteredMarks = judged.marks;
        state.CrossedOut = judged.crossedOut;

        const Judgement judgement = JudgeEntries(state, judged.judgedKind);
        EXPECT_EQ(judgement.AnswerRight, judged.answerRight);
        EXPECT_EQ(judgement.MarksRight, judged.marksRight);
        EXPECT_EQ(state.Phase, PHASE_FIRST_TRY);
    }
}

TEST(RecordJudgement, MovesThePhaseAndCountsFirstTries)
{
    struct Step {
        std::int32_t phaseBefore;
        bool answerRight;
        std::int32_t phaseAfter;
        std::int32_t firstTriesAfter;
    };
    const Step steps[] = {
        {PHASE_FIRST_TRY, false, PHASE_RETRYING, 4}, {PHASE_RETRYING, false, PHASE_RETRYING, 4},
        {PHASE_FIRST_TRY, true, PHASE_CLOSED, 5},    {PHASE_RETRYING, true, PHASE_CLOSED, 4},
        {PHASE_CLOSED, true, PHASE_CLOSED, 4},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE("phase " + std::to_string(step.phaseBefore) + (step.answerRight ? ", right" : ", wrong"));
        ExerciseState state;
        state.Phase = step.phaseBefore;
        state.ProblemCount = 6;
        state.FirstTryCount = 4;
        RecordJudgement(state, step.answerRight);
        EXPECT_EQ(state.Phase, step.phaseAfter);
        EXPECT_EQ(state.FirstTryCount, step.firstTriesAfter);
        EXPECT_EQ(state.ProblemCount, 6);
    }
}

// Only the answer decides the first-try count: wrong notation at the first
// try still counts as solved.
TEST(RecordJudgement, CountsARightAnswerWithWrongNotation)
{
    ExerciseState state;
    SetStartupValues(state);
    PoseProblem(state, SUB, 60, 5);
    state.EnteredAnswer = {0, 0, 5, 5};
    const Judgement judgement = JudgeEntries(state, 1);
    ASSERT_EQ(PresentationFor(judgement).outcome, JudgeOutcome::MarksWrong);
    RecordJudgement(state, judgement.AnswerRight);
    EXPECT_EQ(state.FirstTryCount, 1);
    EXPECT_EQ(state.Phase, PHASE_CLOSED);
    EXPECT_EQ(Score(state), 100);
}

TEST(Score, IsFirstTriesPerHundredRoundedDown)
{
    struct Tally {
        std::int32_t firstTries;
        std::int32_t problems;
        std::int32_t score;
    };
    const Tally tallies[] = {{1, 1, 100}, {0, 1, 0}, {1, 3, 33}, {2, 3, 66}, {5, 7, 71}, {0, 0, 0}, {3, 0, 0}, {1, -2, 0}};
    for (const Tally& tally : tallies) {
        ExerciseState state;
        state.FirstTryCount = tally.firstTries;
        state.ProblemCount = tally.problems;
        EXPECT_EQ(Score(state), tally.score) << tally.firstTries << " of " << tally.problems;
    }
}

} // namespace
