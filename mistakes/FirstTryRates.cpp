// SPDX-License-Identifier: GPL-3.0-or-later
#include "mistakes/FirstTryRates.h"

namespace {

void count(Tally& tally, bool answerRight)
{
    tally.tried += 1;
    tally.rightFirstTime += answerRight ? 1 : 0;
}

} // namespace

void FirstTryRates::FirstTryJudged(const ExerciseState& problem, bool answerRight)
{
    count(byKind_[static_cast<std::size_t>(KindOf(problem))], answerRight);
    count(byColumns_[static_cast<std::size_t>(ColumnsOf(problem) - 1)], answerRight);
}

const Tally& FirstTryRates::OfKind(ProblemKind kind) const
{
    return byKind_[static_cast<std::size_t>(kind)];
}

const Tally& FirstTryRates::OfColumns(int columns) const
{
    return byColumns_[static_cast<std::size_t>(columns - 1)];
}
