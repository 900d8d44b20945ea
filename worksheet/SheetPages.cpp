// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheet/SheetPages.h"

#include "worksheet/PosedProblem.h"
#include "worksheet/SheetGeometry.h"
#include "worksheet/SheetHeader.h"
#include "worksheet/WorkedProblem.h"
#include "worksheet/Worksheet.h"

#include <QPainter>

namespace {

// The problem pages and the key pages: a grid of problems under a header.
// The key is drawn smaller; it is read by the grown-up who marks the sheet.
struct SheetPart {
    int columns;
    int rows;
    double top;
    double scale;
    void (*paintHeader)(QPainter&, const Worksheet&);
    void (*paintProblem)(QPainter&, const Worksheet&, std::size_t index);
    QSizeF (*problemSize)();

    int perPage() const { return columns * rows; }
    int pagesFor(int problemCount) const { return (problemCount + perPage() - 1) / perPage(); }
};

const SheetPart problemPart{
    3, 4, PROBLEM_HEADER_BOTTOM, 1.0, PaintProblemHeader,
    [](QPainter& painter, const Worksheet& sheet, std::size_t index) {
        PaintPosedProblem(painter, sheet.problems[index], static_cast<int>(index) + 1, sheet.settings.drill);
    },
    PosedProblemSize};
const SheetPart keyPart{
    4, 7, KEY_HEADER_BOTTOM, 0.7, PaintKeyHeader,
    [](QPainter& painter, const Worksheet& sheet, std::size_t index) {
        PaintWorkedProblem(painter, sheet.problems[index], static_cast<int>(index) + 1);
    },
    WorkedProblemSize};

void paintPart(QPainter& painter, const Worksheet& sheet, const SheetPart& part, int pageOfPart)
{
    part.paintHeader(painter, sheet);
    const double columnPitch = (SHEET_PAGE_SIZE.width() - 2 * SHEET_MARGIN) / part.columns;
    const double rowPitch = (SHEET_PAGE_SIZE.height() - SHEET_MARGIN - part.top) / part.rows;
    const double indent = (columnPitch - part.problemSize().width() * part.scale) / 2;
    const int first = pageOfPart * part.perPage();
    const int last = std::min(first + part.perPage(), static_cast<int>(sheet.problems.size()));
    for (int index = first; index < last; ++index) {
        const int place = index - first;
        painter.save();
        painter.translate(SHEET_MARGIN + place % part.columns * columnPitch + indent,
                          part.top + place / part.columns * rowPitch);
        painter.scale(part.scale, part.scale);
        part.paintProblem(painter, sheet, static_cast<std::size_t>(index));
        painter.restore();
    }
}

int problemPages(const Worksheet& sheet)
{
    const bool held = sheet.parts != SheetParts::Key;
    return held ? problemPart.pagesFor(static_cast<int>(sheet.problems.size())) : 0;
}

int keyPages(const Worksheet& sheet)
{
    const bool held = sheet.parts != SheetParts::Problems;
    return held ? keyPart.pagesFor(static_cast<int>(sheet.problems.size())) : 0;
}

} // namespace

int SheetPageCount(const Worksheet& sheet)
{
    return problemPages(sheet) + keyPages(sheet);
}

void PaintSheetPage(QPainter& painter, const Worksheet& sheet, int page)
{
    if (page < problemPages(sheet))
        paintPart(painter, sheet, problemPart, page);
    else
        paintPart(painter, sheet, keyPart, page - problemPages(sheet));
}
