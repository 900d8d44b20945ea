// SPDX-License-Identifier: GPL-3.0-or-later
#include "mistakes/Sighting.h"

#include "engine/Judge.h"
#include "mistakes/MisconceivedWork.h"

namespace {

// The cells of `sheet` judged against `work` as if it were the right answer.
Judgement judgedAgainst(ExerciseState sheet, const ExerciseState& work)
{
    sheet.ExpectedAnswer = work.ExpectedAnswer;
    sheet.ExpectedMarks = work.ExpectedMarks;
    return JudgeEntries(sheet, work.Operation);
}

bool exposes(const ExerciseState& problem, const ExerciseState& work)
{
    ExerciseState sheet = problem;
    WriteIntoCells(work, sheet);
    return !JudgeEntries(sheet, problem.Operation).AnswerRight;
}

} // namespace

Evidence EvidenceOf(const Misconception& misconception, const ExerciseState& firstTry)
{
    const auto work = MisconceivedWork(misconception, firstTry);
    if (!work || !exposes(firstTry, *work))
        return {};
    const Judgement judgement = judgedAgainst(firstTry, *work);
    return {true, judgement.AnswerRight && judgement.MarksRight};
}

bool Exposes(const Misconception& misconception, const ExerciseState& problem)
{
    return EvidenceOf(misconception, problem).exposes;
}
