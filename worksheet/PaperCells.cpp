#include "PaperCells.h"

#include "practice_window/ControlPlacement.h"
#include "practice_window/DigitTables.h"
#include "platform/ToolkitFonts.h"
#include "engine/ExerciseState.h"

#include <QPainter>

namespace {

QRectF cellRect(QPointF cell)
{
    return QRectF(cell, QSizeF(CELL_SIZE));
}

void drawCentred(QPainter& painter, QPointF cell, const QString& text, const QColor& ink)
{
    // The cells' face and size. Regular weight: the Gothic faces have no
    // bold of their own, and a bold made up on screen would not be the one
    // a PDF reader shows.
    painter.setFont(FixedGothicFont(27));
    painter.setPen(ink);
    painter.drawText(cellRect(cell), Qt::AlignCenter, text);
}

} // namespace

void DrawDigit(QPainter& painter, QPointF cell, std::int32_t slot, const QColor& ink)
{
    drawCentred(painter, cell, DigitText(slot), ink);
}

void DrawOperator(QPainter& painter, QPointF cell, std::int32_t operation)
{
    drawCentred(painter, cell, operation == OPERATION_ADDITION ? QStringLiteral("＋") : QStringLiteral("－"),
                Qt::black);
}

void DrawBox(QPainter& painter, QPointF cell, const QColor& ink)
{
    painter.setPen(QPen(ink, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(cellRect(cell));
}

void DrawStrike(QPainter& painter, QPointF cell)
{
    // The red of the struck digit pictures, leaning the same way.
    painter.setPen(QPen(QColor(0xe5, 0x33, 0x2f), 4.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(cell + QPointF(9.5, 28.5), cell + QPointF(31.5, 7.5));
}

void DrawRuleLine(QPainter& painter, QPointF topLeft)
{
    painter.fillRect(QRectF(topLeft, QSizeF(227, 4)), Qt::black);
}

void DrawProblemNumber(QPainter& painter, QPointF cell, int number)
{
    painter.setFont(ProportionalGothicFont(17));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(cell, QSizeF(CELL_SIZE)), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("(%1)").arg(number));
}
