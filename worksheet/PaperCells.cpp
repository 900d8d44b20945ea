// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheet/PaperCells.h"

#include "platform/ToolkitFonts.h"
#include "session/Wording.h"

#include <QPainter>

namespace {

void drawCentred(QPainter& painter, QRect cell, const QString& text, const QColor& ink)
{
    // The cells' face and size. Regular weight: the Gothic faces have no
    // bold of their own, and a bold made up on screen would not be the one
    // a PDF reader shows.
    painter.setFont(FixedGothicFont(27));
    painter.setPen(ink);
    painter.drawText(cell, Qt::AlignCenter, text);
}

} // namespace

void DrawDigit(QPainter& painter, QRect cell, std::int32_t slot, const QColor& ink)
{
    drawCentred(painter, cell, QString::fromStdString(FullWidthDigit(slot)), ink);
}

void DrawOperator(QPainter& painter, QRect cell, Operation operation)
{
    drawCentred(painter, cell,
                operation == Operation::Addition ? QStringLiteral("＋") : QStringLiteral("－"), Qt::black);
}

void DrawBox(QPainter& painter, QRect cell, const QColor& ink)
{
    painter.setPen(QPen(ink, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(cell));
}

void DrawStrike(QPainter& painter, QRect cell)
{
    // The red of the struck digit pictures, leaning the same way.
    painter.setPen(QPen(QColor(0xe5, 0x33, 0x2f), 4.0, Qt::SolidLine, Qt::RoundCap));
    const QPointF corner = cell.topLeft();
    painter.drawLine(corner + QPointF(9.5, 28.5), corner + QPointF(31.5, 7.5));
}

void DrawRuleLine(QPainter& painter, QRect line)
{
    painter.fillRect(line, Qt::black);
}

void DrawProblemNumber(QPainter& painter, QRect place, int number)
{
    painter.setFont(ProportionalGothicFont(17));
    painter.setPen(Qt::black);
    painter.drawText(place, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("(%1)").arg(number));
}
