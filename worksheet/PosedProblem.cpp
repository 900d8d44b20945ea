// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheet/PosedProblem.h"

#include "engine/ColumnDigits.h"
#include "engine/DrawingRules.h"
#include "widgets/ColumnBuilder.h"
#include "worksheet/PaperCells.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr const ColumnOrigin& origin = PRACTICE_SUM_ORIGIN;
const QColor notationInk(0, 0, 255);

// Neither number reaches the column: nothing is carried into it or borrowed
// from it that anybody writes down.
bool emptyColumn(const ExerciseState& problem, int column)
{
    return problem.TopDigits[column] == BLANK && problem.BottomDigits[column] == BLANK;
}

// The answer is as wide as the wider number, and a sum may carry one column
// further where the settings allow it; the boxes give nothing away about
// this problem's own result.
int leftmostAnswerColumn(const ExerciseState& problem, int widestAnswer)
{
    int column = THOUSANDS;
    while (column < UNITS && emptyColumn(problem, column))
        ++column;
    if (problem.Operation == Operation::Addition && column > THOUSANDS)
        --column;
    return std::max(column, UNITS + 1 - widestAnswer);
}

} // namespace

void PaintPosedProblem(QPainter& painter, const ExerciseState& problem, int number, int widestAnswer)
{
    painter.save();
    painter.translate(0, -origin.topLeft.y());
    DrawProblemNumber(painter, QRect(QPoint(0, origin.topLeft.y()), NotationCellRect(origin, THOUSANDS).bottomLeft()),
                      number);
    for (int column = THOUSANDS; column < UNITS; ++column)
        if (!emptyColumn(problem, column))
            DrawBox(painter, NotationCellRect(origin, column), notationInk);
    // Row by row, top to bottom and left to right, so that the text of the
    // sheet reads the way the sum is read.
    for (int column = THOUSANDS; column <= UNITS; ++column)
        DrawDigit(painter, UpperDigitRect(origin, column), problem.TopDigits[column], Qt::black);
    DrawOperator(painter, OperatorRect(origin), problem.Operation);
    for (int column = THOUSANDS; column <= UNITS; ++column)
        DrawDigit(painter, LowerDigitRect(origin, column), problem.BottomDigits[column], Qt::black);
    DrawRuleLine(painter, RuleLineRect(origin));
    for (int column = leftmostAnswerColumn(problem, widestAnswer); column <= UNITS; ++column)
        DrawBox(painter, AnswerCellRect(origin, column), Qt::black);
    painter.restore();
}

int WidestAnswer(const WorksheetSettings& settings)
{
    const DrawingRule& rule = DrawingRuleFor(settings.drill);
    const std::int32_t largest =
        rule.operation == Operation::Addition ? rule.upperHigh + rule.lowerHigh : rule.upperHigh;
    return std::min(static_cast<int>(QString::number(largest).size()), UNITS + 1);
}

QSizeF PosedProblemSize()
{
    const QRect units = AnswerCellRect(origin, UNITS);
    return {static_cast<double>(units.right() + 1), static_cast<double>(units.bottom() + 1 - origin.topLeft.y())};
}
