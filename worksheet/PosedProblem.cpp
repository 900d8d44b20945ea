#include "PosedProblem.h"

#include "PaperCells.h"

#include "engine/ColumnDigits.h"
#include "engine/DrawingRules.h"
#include "practice_window/ControlPlacement.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr ColumnLayout practiceLayout{{51, 96, 141, 186}, 6, 45, 83, 122, 160, 173};
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
    if (problem.Operation == OPERATION_ADDITION && column > THOUSANDS)
        --column;
    return std::max(column, UNITS + 1 - widestAnswer);
}

} // namespace

void PaintPosedProblem(QPainter& painter, const ExerciseState& problem, int number, int widestAnswer)
{
    const ColumnLayout& layout = practiceLayout;
    painter.save();
    painter.translate(0, -layout.notationTop);
    DrawProblemNumber(painter, {0, layout.notationTop}, number);
    for (int column = THOUSANDS; column < UNITS; ++column)
        if (!emptyColumn(problem, column))
            DrawBox(painter, {layout.columnLeft[column], layout.notationTop}, notationInk);
    // Row by row, top to bottom and left to right, so that the text of the
    // sheet reads the way the sum is read.
    for (int column = THOUSANDS; column <= UNITS; ++column)
        DrawDigit(painter, {layout.columnLeft[column], layout.upperTop}, problem.TopDigits[column], Qt::black);
    DrawOperator(painter, {layout.operatorLeft, layout.lowerTop}, problem.Operation);
    for (int column = THOUSANDS; column <= UNITS; ++column)
        DrawDigit(painter, {layout.columnLeft[column], layout.lowerTop}, problem.BottomDigits[column], Qt::black);
    DrawRuleLine(painter, {layout.operatorLeft, layout.ruleTop});
    for (int column = leftmostAnswerColumn(problem, widestAnswer); column <= UNITS; ++column)
        DrawBox(painter, {layout.columnLeft[column], layout.answerTop}, Qt::black);
    painter.restore();
}

int WidestAnswer(const WorksheetSettings& settings)
{
    const DrawingRule& rule = DrawingRuleFor(settings.selectedRange, settings.selectedCarry, settings.selectedKind);
    const std::int32_t largest = rule.operation == OPERATION_ADDITION ? rule.upperHigh + rule.lowerHigh : rule.upperHigh;
    return std::min(static_cast<int>(QString::number(largest).size()), UNITS + 1);
}

QSizeF PosedProblemSize()
{
    const ColumnLayout& layout = practiceLayout;
    return {layout.columnLeft[UNITS] + CELL_SIZE.width(), layout.answerTop + CELL_SIZE.height() - layout.notationTop};
}
