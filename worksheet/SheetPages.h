// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QPainter;
struct Worksheet;

// The problems come first, twelve to a page, then the key, twenty-eight to a
// page, as far as the sheet holds them. A problem always stands whole on one
// page.
int SheetPageCount(const Worksheet& sheet);

// Draws one page of the sheet, 0 first, in sheet units (see SheetGeometry).
void PaintSheetPage(QPainter& painter, const Worksheet& sheet, int page);
