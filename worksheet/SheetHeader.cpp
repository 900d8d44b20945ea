// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheet/SheetHeader.h"

#include "mistakes/Misconception.h"
#include "platform/ToolkitFonts.h"
#include "worksheet/SheetGeometry.h"
#include "worksheet/SheetWording.h"
#include "worksheet/Worksheet.h"

#include <QPainter>

namespace {

constexpr double left = SHEET_MARGIN;
constexpr double right = SHEET_PAGE_SIZE.width() - SHEET_MARGIN;

// Writes a line from x, or ending at x when aligned right; gives where it ends.
double writeLine(QPainter& painter, double x, double baseline, const QString& text, int pixelHeight,
                 Qt::Alignment alignment = Qt::AlignLeft)
{
    painter.setFont(ProportionalGothicFont(pixelHeight));
    painter.setPen(Qt::black);
    const double width = painter.fontMetrics().horizontalAdvance(text);
    const double from = alignment == Qt::AlignRight ? x - width : x;
    painter.drawText(QPointF(from, baseline), text);
    return from + width;
}

// A line to write on, ending where the word after it starts.
void blankToFill(QPainter& painter, double fromX, double toX, double baseline)
{
    painter.setPen(QPen(Qt::black, 1.0));
    painter.drawLine(QPointF(fromX, baseline + 4), QPointF(toX, baseline + 4));
}

void rule(QPainter& painter, double y)
{
    painter.setPen(QPen(Qt::gray, 1.0));
    painter.drawLine(QPointF(left, y), QPointF(right, y));
}

// The score box at the right: the count of right answers is written in its
// blank, before "もん".
void scoreBox(QPainter& painter, const Worksheet& sheet, double baseline)
{
    constexpr int height = 18;
    constexpr double padding = 8;
    const QString text = ScoreBoxText(static_cast<int>(sheet.problems.size()));
    painter.setFont(ProportionalGothicFont(height));
    const double width = painter.fontMetrics().horizontalAdvance(text);
    writeLine(painter, right - padding, baseline, text, height, Qt::AlignRight);
    painter.setPen(QPen(Qt::black, 1.5));
    painter.drawRect(QRectF(right - width - 2 * padding, baseline - height - 8, width + 2 * padding, height + 16));
}

} // namespace

void PaintProblemHeader(QPainter& painter, const Worksheet& sheet)
{
    constexpr double nameLine = 56;
    writeLine(painter, left, nameLine, QStringLiteral("なまえ"), 20);
    blankToFill(painter, left + 70, left + 380, nameLine);
    blankToFill(painter, right - 200, right - 150, nameLine);
    writeLine(painter, right - 146, nameLine, QStringLiteral("がつ"), 20);
    blankToFill(painter, right - 96, right - 46, nameLine);
    writeLine(painter, right - 42, nameLine, QStringLiteral("にち"), 20);

    const DrillSettings settings = sheet.settings.drill;
    constexpr double titleLine = 98;
    writeLine(painter, left, titleLine, SheetTitle(settings), 20);
    scoreBox(painter, sheet, titleLine);
    writeLine(painter, left, titleLine + 22, NumbersInWords(settings), 13);
    rule(painter, titleLine + 30);
}

void PaintKeyHeader(QPainter& painter, const Worksheet& sheet)
{
    constexpr double baseline = 54;
    const DrillSettings settings = sheet.settings.drill;
    const double afterAnswers = writeLine(painter, left, baseline, QStringLiteral("こたえ"), 20);
    writeLine(painter, afterAnswers + 16, baseline, SheetTitle(settings), 15);
    QString numbers = NumbersInWords(settings);
    // The parent reads which misconception the sheet practises.
    if (const Misconception* focus = FindMisconception(sheet.settings.focus))
        numbers += QStringLiteral("　れんしゅう：")
            + QString::fromUtf8(focus->nameJa.data(), static_cast<qsizetype>(focus->nameJa.size()));
    writeLine(painter, left, baseline + 24, numbers, 13);
    writeLine(painter, right, baseline + 24, SameSheetNumber(sheet.settings.seed), 9, Qt::AlignRight);
    rule(painter, baseline + 34);
}
