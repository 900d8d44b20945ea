// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheet/WorkedProblem.h"

#include "engine/ColumnDigits.h"
#include "engine/WorkedAnswer.h"
#include "layout/ColumnLayout.h"
#include "platform/ScreenPlace.h"
#include "worksheet/PaperCells.h"

#include <QPainter>

namespace {

constexpr const ColumnOrigin& origin = MODEL_ANSWER_SUM_ORIGIN;
const QColor notationInk(0, 0, 255);

} // namespace

void PaintWorkedProblem(QPainter& painter, const ExerciseState& problem, int number)
{
    const WorkedSum sum = WorkedSumOf(problem);
    painter.save();
    painter.translate(0, -origin.top);
    const QRect firstNotation = ToQRect(NotationCellPlace(origin, THOUSANDS));
    DrawProblemNumber(painter, QRect(QPoint(0, origin.top), firstNotation.bottomLeft()), number);
    for (int column = THOUSANDS; column < UNITS; ++column) {
        if (sum.notation[column] == BLANK)
            continue;
        DrawBox(painter, ToQRect(NotationCellPlace(origin, column)), notationInk);
        DrawDigit(painter, ToQRect(NotationCellPlace(origin, column)), sum.notation[column], notationInk);
    }
    // Row by row, so that the text of the sheet reads the way the sum is read.
    for (int column = THOUSANDS; column <= UNITS; ++column) {
        DrawDigit(painter, ToQRect(UpperDigitPlace(origin, column)), sum.upper[column], Qt::black);
        if (column < UNITS && sum.lent[column] && sum.upper[column] != BLANK)
            DrawStrike(painter, ToQRect(UpperDigitPlace(origin, column)));
    }
    DrawOperator(painter, ToQRect(OperatorPlace(origin)), sum.operation);
    for (int column = THOUSANDS; column <= UNITS; ++column)
        DrawDigit(painter, ToQRect(LowerDigitPlace(origin, column)), sum.lower[column], Qt::black);
    DrawRuleLine(painter, ToQRect(RuleLinePlace(origin)));
    for (int column = THOUSANDS; column <= UNITS; ++column) {
        if (sum.answer[column] == BLANK)
            continue;
        DrawBox(painter, ToQRect(AnswerCellPlace(origin, column)), Qt::black);
        DrawDigit(painter, ToQRect(AnswerCellPlace(origin, column)), sum.answer[column], Qt::black);
    }
    painter.restore();
}

QSizeF WorkedProblemSize()
{
    const QRect units = ToQRect(AnswerCellPlace(origin, UNITS));
    return {static_cast<double>(units.right() + 1), static_cast<double>(units.bottom() + 1 - origin.top)};
}
