// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheet/WorksheetPrinting.h"

#include "worksheet/SheetGeometry.h"
#include "worksheet/SheetPages.h"
#include "worksheet/Worksheet.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

void PrintWorksheet(QPagedPaintDevice& device, const Worksheet& sheet)
{
    QPainter painter(&device);
    const double scale = std::min(device.width() / SHEET_PAGE_SIZE.width(),
                                  device.height() / SHEET_PAGE_SIZE.height());
    const int pages = SheetPageCount(sheet);
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            device.newPage();
        painter.save();
        painter.scale(scale, scale);
        PaintSheetPage(painter, sheet, page);
        painter.restore();
    }
}

void PaintFirstPagePreview(QPainter& painter, const Worksheet& sheet, double width)
{
    const double scale = width / SHEET_PAGE_SIZE.width();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    painter.fillRect(QRectF(QPointF(), SHEET_PAGE_SIZE), Qt::white);
    PaintSheetPage(painter, sheet, 0);
    painter.restore();
}

QPageLayout SheetPdfLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
}

QByteArray WorksheetPdf(const Worksheet& sheet, const QPageLayout& layout)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(layout);
        writer.setTitle(QStringLiteral("ぽろみんか プリント"));
        writer.setCreator(QStringLiteral("ぽろみんか"));
        PrintWorksheet(writer, sheet);
    }
    return bytes;
}
