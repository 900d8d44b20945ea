// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/NewProblem.h"

#include "engine/DrawingRules.h"
#include "engine/WorkedAnswer.h"

void NewProblem(ExerciseState& state, std::int32_t selectedRange, std::int32_t selectedCarry,
                std::int32_t selectedKind, RandomSource& random)
{
    const DrawingRule& rule = DrawingRuleFor(selectedRange, selectedCarry, OperationForKind(selectedKind));
    std::uniform_int_distribution<std::int32_t> upperDraw(rule.upperLow, rule.upperHigh);
    std::uniform_int_distribution<std::int32_t> lowerDraw(rule.lowerLow, rule.lowerHigh);
    // Both numbers are drawn afresh on every attempt, so each accepted pair is
    // as likely as any other.
    std::int32_t upper = 0;
    std::int32_t lower = 0;
    do {
        upper = upperDraw(random);
        lower = lowerDraw(random);
    } while (rule.drawAgain(upper, lower));
    PoseProblem(state, rule.operation, upper, lower);
}
