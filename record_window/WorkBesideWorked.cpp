// SPDX-License-Identifier: GPL-3.0-or-later
#include "record_window/WorkBesideWorked.h"

#include "engine/WorkedAnswer.h"
#include "platform/ToolkitFonts.h"
#include "worksheet/WorkedProblem.h"

#include <QPainter>

namespace {

constexpr int captionHeight = 18;
constexpr int gap = 16;
// The sums at half the size of "おてほん", three pairs to a row.
constexpr double scale = 0.5;

// The child's cells in the place of the worked answer, leading zeros of
// untouched cells not shown, so that the key's drawing shows them.
ExerciseState writtenAsWorked(const ExerciseState& sheet)
{
    ExerciseState written = sheet;
    written.ExpectedAnswer = sheet.EnteredAnswer;
    written.ExpectedMarks = sheet.EnteredMarks;
    for (std::size_t column = 0; column + 1 < written.ExpectedAnswer.size() && written.ExpectedAnswer[column] <= 0;
         ++column)
        written.ExpectedAnswer[column] = BLANK;
    return written;
}

} // namespace

WorkBesideWorked::WorkBesideWorked(const ExerciseState& sheet, int number, QWidget* parent)
    : QWidget(parent), written_(writtenAsWorked(sheet)), worked_(sheet), number_(number)
{
    const QSizeF problem = WorkedProblemSize() * scale;
    setFixedSize(static_cast<int>(2 * problem.width()) + gap, static_cast<int>(problem.height()) + captionHeight);
}

void WorkBesideWorked::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(ProportionalGothicFont(12));
    const int half = static_cast<int>(WorkedProblemSize().width() * scale) + gap;
    painter.setPen(QColor(200, 0, 0));
    painter.drawText(QRect(0, 0, half - gap, captionHeight), Qt::AlignCenter, QStringLiteral("かいた こたえ"));
    painter.setPen(Qt::black);
    painter.drawText(QRect(half, 0, half - gap, captionHeight), Qt::AlignCenter, QStringLiteral("おてほん"));
    painter.translate(0, captionHeight);
    painter.scale(scale, scale);
    PaintWorkedProblem(painter, written_, number_);
    painter.translate(half / scale, 0);
    PaintWorkedProblem(painter, worked_, number_);
}
