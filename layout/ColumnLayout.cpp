// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout/ColumnLayout.h"

namespace {

constexpr int columnPitch = 45;
// Row tops below the notation row.
constexpr int upperOffset = 38;
constexpr int lowerOffset = 77;
constexpr int ruleOffset = 115;
constexpr int ruleHeight = 4;

Place cell(const ColumnOrigin& origin, int column, int rowOffset)
{
    return {origin.left + (column + 1) * columnPitch, origin.top + rowOffset, CELL_WIDTH, CELL_HEIGHT};
}

} // namespace

Place NotationCellPlace(const ColumnOrigin& origin, int column)
{
    return cell(origin, column, 0);
}

Place UpperDigitPlace(const ColumnOrigin& origin, int column)
{
    return cell(origin, column, upperOffset);
}

Place OperatorPlace(const ColumnOrigin& origin)
{
    return LowerDigitPlace(origin, -1);
}

Place LowerDigitPlace(const ColumnOrigin& origin, int column)
{
    return cell(origin, column, lowerOffset);
}

// From the operator column to the units column.
Place RuleLinePlace(const ColumnOrigin& origin)
{
    const Place start = cell(origin, -1, ruleOffset);
    return {start.left, start.top, 4 * columnPitch + CELL_WIDTH + 6, ruleHeight};
}

Place AnswerCellPlace(const ColumnOrigin& origin, int column)
{
    return cell(origin, column, ruleOffset + ruleHeight + origin.answerGap);
}
