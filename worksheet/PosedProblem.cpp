// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheet/PosedProblem.h"

#include "engine/ColumnDigits.h"
#include "engine/WorkedAnswer.h"
#include "layout/AnswerBoxes.h"
#include "layout/ColumnLayout.h"
#include "platform/ScreenPlace.h"
#include "worksheet/PaperCells.h"

#include <QPainter>

namespace {

constexpr const ColumnOrigin& origin = PRACTICE_SUM_ORIGIN;
const QColor notationInk(0, 0, 255);

} // namespace

void PaintPosedProblem(QPainter& painter, const ExerciseState& problem, int number, const DrillSettings& settings)
{
    painter.save();
    painter.translate(0, -origin.top);
    const QRect firstNotation = ToQRect(NotationCellPlace(origin, THOUSANDS));
    DrawProblemNumber(painter, QRect(QPoint(0, origin.top), firstNotation.bottomLeft()), number);
    for (int column = THOUSANDS; column < UNITS; ++column)
        if (!IsEmptyColumn(problem, column))
            DrawBox(painter, ToQRect(NotationCellPlace(origin, column)), notationInk);
    // Row by row, top to bottom and left to right, so that the text of the
    // sheet reads the way the sum is read.
    for (int column = THOUSANDS; column <= UNITS; ++column)
        DrawDigit(painter, ToQRect(UpperDigitPlace(origin, column)), problem.TopDigits[column], Qt::black);
    DrawOperator(painter, ToQRect(OperatorPlace(origin)), problem.Operation);
    for (int column = THOUSANDS; column <= UNITS; ++column)
        DrawDigit(painter, ToQRect(LowerDigitPlace(origin, column)), problem.BottomDigits[column], Qt::black);
    DrawRuleLine(painter, ToQRect(RuleLinePlace(origin)));
    for (int column = FirstAnswerBox(problem, settings); column <= UNITS; ++column)
        DrawBox(painter, ToQRect(AnswerCellPlace(origin, column)), Qt::black);
    painter.restore();
}

QSizeF PosedProblemSize()
{
    const QRect units = ToQRect(AnswerCellPlace(origin, UNITS));
    return {static_cast<double>(units.right() + 1), static_cast<double>(units.bottom() + 1 - origin.top)};
}
