// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/NewProblem.h"

#include "engine/DrawingRules.h"
#include "engine/UniformDraw.h"
#include "engine/WorkedAnswer.h"

void NewProblem(ExerciseState& state, const DrillSettings& settings, RandomSource& random)
{
    const DrawingRule& rule = DrawingRuleFor(settings);
    // Both numbers are drawn afresh on every attempt, so each accepted pair is
    // as likely as any other.
    std::int32_t upper = 0;
    std::int32_t lower = 0;
    do {
        upper = DrawBetween(random, rule.upperLow, rule.upperHigh);
        lower = DrawBetween(random, rule.lowerLow, rule.lowerHigh);
    } while (rule.drawAgain(upper, lower));
    PoseProblem(state, rule.operation, upper, lower);
}
