// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheet/WorkedProblem.h"

#include "engine/ColumnDigits.h"
#include "widgets/ColumnBuilder.h"
#include "worksheet/PaperCells.h"

#include <QPainter>

namespace {

constexpr const ColumnOrigin& origin = MODEL_ANSWER_SUM_ORIGIN;
const QColor notationInk(0, 0, 255);

// A 0 in the thousands of the answer is never written.
bool answerWritten(const ExerciseState& problem, int column)
{
    const std::int32_t digit = problem.ExpectedAnswer[column];
    return column == THOUSANDS ? digit > 0 : digit >= 0;
}

bool lent(const ExerciseState& problem, int column)
{
    return problem.Operation == Operation::Subtraction && column < UNITS && problem.ExpectedMarks[column] >= 0;
}

} // namespace

void PaintWorkedProblem(QPainter& painter, const ExerciseState& problem, int number)
{
    painter.save();
    painter.translate(0, -origin.topLeft.y());
    DrawProblemNumber(painter, QRect(QPoint(0, origin.topLeft.y()), NotationCellRect(origin, THOUSANDS).bottomLeft()),
                      number);
    for (int column = THOUSANDS; column < UNITS; ++column) {
        if (!MarkIsWritten(problem.Operation, problem.ExpectedMarks[column]))
            continue;
        DrawBox(painter, NotationCellRect(origin, column), notationInk);
        DrawDigit(painter, NotationCellRect(origin, column), problem.ExpectedMarks[column], notationInk);
    }
    // Row by row, so that the text of the sheet reads the way the sum is read.
    for (int column = THOUSANDS; column <= UNITS; ++column) {
        DrawDigit(painter, UpperDigitRect(origin, column), problem.TopDigits[column], Qt::black);
        if (problem.TopDigits[column] >= 0 && lent(problem, column))
            DrawStrike(painter, UpperDigitRect(origin, column));
    }
    DrawOperator(painter, OperatorRect(origin), problem.Operation);
    for (int column = THOUSANDS; column <= UNITS; ++column)
        DrawDigit(painter, LowerDigitRect(origin, column), problem.BottomDigits[column], Qt::black);
    DrawRuleLine(painter, RuleLineRect(origin));
    for (int column = THOUSANDS; column <= UNITS; ++column) {
        if (!answerWritten(problem, column))
            continue;
        DrawBox(painter, AnswerCellRect(origin, column), Qt::black);
        DrawDigit(painter, AnswerCellRect(origin, column), problem.ExpectedAnswer[column], Qt::black);
    }
    painter.restore();
}

QSizeF WorkedProblemSize()
{
    const QRect units = AnswerCellRect(origin, UNITS);
    return {static_cast<double>(units.right() + 1), static_cast<double>(units.bottom() + 1 - origin.topLeft.y())};
}
