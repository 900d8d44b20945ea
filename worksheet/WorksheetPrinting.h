// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QIODevice;
class QPagedPaintDevice;
class QPainter;
struct Worksheet;

// Paints every page of the sheet on a PDF writer or a printer, each page
// scaled to fit the paper the device has.
void PrintWorksheet(QPagedPaintDevice& device, const Worksheet& sheet);

// Paints the first page scaled to fill a width, for a preview.
void PaintFirstPagePreview(QPainter& painter, const Worksheet& sheet, double width);

// Writes the sheet as A4 PDF pages into an open device.
void WriteWorksheetPdf(QIODevice& device, const Worksheet& sheet);

// Writes the sheet as an A4 PDF file. The file appears whole or not at all;
// an existing file is replaced only once the new one is complete. Gives the
// reason when it cannot be written, an empty text when it was.
QString WriteWorksheetPdf(const QString& path, const Worksheet& sheet);
