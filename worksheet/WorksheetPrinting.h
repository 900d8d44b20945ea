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

// Writes the sheet as a PDF file named by the caller's bytes, relative to the
// working directory, as a WrittenFile: whole or not at all, never through a
// link or over anything but a regular file. Gives the reason when it cannot
// be written, an empty text when it was.
QString WriteWorksheetPdf(const QByteArray& name, const Worksheet& sheet,
                          const QPageLayout& layout = SheetPdfLayout());
