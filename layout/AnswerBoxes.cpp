// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout/AnswerBoxes.h"

#include "engine/ColumnDigits.h"
#include "engine/DrawingRules.h"
#include "engine/WorkedAnswer.h"

#include <algorithm>

namespace {

// How many columns any answer under the settings can take: as many as the
// sum of the rule's largest numbers has, or its largest upper number in
// subtraction.
int widestAnswer(const DrillSettings& settings)
{
    const DrawingRule& rule = DrawingRuleFor(settings);
    int largest = rule.operation == Operation::Addition ? rule.upperHigh + rule.lowerHigh : rule.upperHigh;
    int columns = 1;
    for (; largest >= 10; largest /= 10)
        ++columns;
    return columns;
}

} // namespace

int FirstAnswerBox(const ExerciseState& problem, const DrillSettings& settings)
{
    int column = THOUSANDS;
    while (column < UNITS && IsEmptyColumn(problem, column))
        ++column;
    if (problem.Operation == Operation::Addition && column > THOUSANDS)
        --column;
    return std::max(column, UNITS + 1 - widestAnswer(settings));
}
