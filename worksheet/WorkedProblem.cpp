#include "WorkedProblem.h"

#include "PaperCells.h"

#include "engine/ColumnDigits.h"
#include "practice_window/ControlPlacement.h"

#include <QPainter>

namespace {

constexpr ColumnLayout modelAnswerLayout{{67, 112, 157, 202}, 22, 5, 43, 82, 120, 126};
const QColor notationInk(0, 0, 255);

// A lowered upper digit may be 0 and is written; a carry of 0 is none.
bool markWritten(const ExerciseState& problem, int column)
{
    const std::int32_t mark = problem.ExpectedMarks[column];
    return problem.Operation == OPERATION_SUBTRACTION ? mark >= 0 : mark > 0;
}

// A 0 in the thousands of the answer is never written.
bool answerWritten(const ExerciseState& problem, int column)
{
    const std::int32_t digit = problem.ExpectedAnswer[column];
    return column == THOUSANDS ? digit > 0 : digit >= 0;
}

bool lent(const ExerciseState& problem, int column)
{
    return problem.Operation == OPERATION_SUBTRACTION && column < UNITS && problem.ExpectedMarks[column] >= 0;
}

} // namespace

void PaintWorkedProblem(QPainter& painter, const ExerciseState& problem, int number)
{
    const ColumnLayout& layout = modelAnswerLayout;
    painter.save();
    painter.translate(0, -layout.notationTop);
    DrawProblemNumber(painter, {0, layout.notationTop}, number);
    for (int column = THOUSANDS; column < UNITS; ++column) {
        if (!markWritten(problem, column))
            continue;
        const QPointF cell(layout.columnLeft[column], layout.notationTop);
        DrawBox(painter, cell, notationInk);
        DrawDigit(painter, cell, problem.ExpectedMarks[column], notationInk);
    }
    // Row by row, so that the text of the sheet reads the way the sum is read.
    for (int column = THOUSANDS; column <= UNITS; ++column) {
        const QPointF upper(layout.columnLeft[column], layout.upperTop);
        DrawDigit(painter, upper, problem.TopDigits[column], Qt::black);
        if (problem.TopDigits[column] >= 0 && lent(problem, column))
            DrawStrike(painter, upper);
    }
    DrawOperator(painter, {layout.operatorLeft, layout.lowerTop}, problem.Operation);
    for (int column = THOUSANDS; column <= UNITS; ++column)
        DrawDigit(painter, {layout.columnLeft[column], layout.lowerTop}, problem.BottomDigits[column], Qt::black);
    DrawRuleLine(painter, {layout.operatorLeft, layout.ruleTop});
    for (int column = THOUSANDS; column <= UNITS; ++column) {
        if (!answerWritten(problem, column))
            continue;
        const QPointF cell(layout.columnLeft[column], layout.answerTop);
        DrawBox(painter, cell, Qt::black);
        DrawDigit(painter, cell, problem.ExpectedAnswer[column], Qt::black);
    }
    painter.restore();
}

QSizeF WorkedProblemSize()
{
    const ColumnLayout& layout = modelAnswerLayout;
    return {layout.columnLeft[UNITS] + CELL_SIZE.width(), layout.answerTop + CELL_SIZE.height() - layout.notationTop};
}
