// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QPageLayout>
#include <QString>

class QPagedPaintDevice;
class QPainter;
struct Worksheet;

// Paints every page of the sheet on a PDF writer or a printer, each page
// scaled to fit the paper the device has.
void PrintWorksheet(QPagedPaintDevice& device, const Worksheet& sheet);

// Paints the first page scaled to fill a width, for a preview.
void PaintFirstPagePreview(QPainter& painter, const Worksheet& sheet, double width);

// The pages a PDF of the sheet has when nothing else is asked for: A4,
// upright, the sheet keeping its own margins.
QPageLayout SheetPdfLayout();

// The sheet as the bytes of a PDF file with pages of `layout`.
QByteArray WorksheetPdf(const Worksheet& sheet, const QPageLayout& layout = SheetPdfLayout());
