// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheet/SheetHeader.h"

#include "mistakes/Misconception.h"
#include "platform/ToolkitFonts.h"
#include "layout/SettingItems.h"
#include "session/Wording.h"
#include "worksheet/SheetGeometry.h"
#include "worksheet/Worksheet.h"

#include <QPainter>

namespace {

constexpr double left = SHEET_MARGIN;
constexpr double right = SHEET_PAGE_SIZE.width() - SHEET_MARGIN;

void writeLine(QPainter& painter, double x, double baseline, const QString& text, int pixelHeight)
{
    painter.setFont(ProportionalGothicFont(pixelHeight));
    painter.setPen(Qt::black);
    painter.drawText(QPointF(x, baseline), text);
}

// A line to write on, ending where the word after it starts.
void blankToFill(QPainter& painter, double fromX, double toX, double baseline)
{
    painter.setPen(QPen(Qt::black, 1.0));
    painter.drawLine(QPointF(fromX, baseline + 4), QPointF(toX, baseline + 4));
}

void settingsAndRule(QPainter& painter, const Worksheet& sheet, double baseline)
{
    writeLine(painter, left, baseline, SettingsInWords(sheet.settings), 15);
    painter.setPen(QPen(Qt::gray, 1.0));
    painter.drawLine(QPointF(left, baseline + 14), QPointF(right, baseline + 14));
}

} // namespace

QString SettingsInWords(const WorksheetSettings& settings)
{
    const auto words = [](const SettingWording& setting, int index) {
        return QStringLiteral("%1：%2").arg(QString::fromUtf8(setting.caption), QString::fromUtf8(setting.items.at(index)));
    };
    const SettingItems items = ItemsOf(settings.drill);
    return QStringList{words(RangeWording(), items.range), words(CarryModeWording(), items.carryMode),
                       words(KindWording(), items.kind)}
        .join(QStringLiteral("　"));
}

void PaintProblemHeader(QPainter& painter, const Worksheet& sheet)
{
    constexpr double baseline = 70;
    writeLine(painter, left, baseline, QStringLiteral("なまえ"), 20);
    blankToFill(painter, left + 70, left + 380, baseline);
    blankToFill(painter, right - 200, right - 150, baseline);
    writeLine(painter, right - 146, baseline, QStringLiteral("がつ"), 20);
    blankToFill(painter, right - 96, right - 46, baseline);
    writeLine(painter, right - 42, baseline, QStringLiteral("にち"), 20);
    settingsAndRule(painter, sheet, baseline + 36);
}

void PaintKeyHeader(QPainter& painter, const Worksheet& sheet)
{
    constexpr double baseline = 62;
    writeLine(painter, left, baseline, QStringLiteral("こたえ"), 20);
    // The parent reads which misconception the sheet practises.
    if (const Misconception* focus = FindMisconception(sheet.settings.focus))
        writeLine(painter, left + 90, baseline,
                  QStringLiteral("れんしゅう：") + QString::fromUtf8(focus->nameJa.data(), static_cast<qsizetype>(focus->nameJa.size())),
                  15);
    writeLine(painter, right - 150, baseline, QStringLiteral("たね：%1").arg(sheet.settings.seed), 15);
    settingsAndRule(painter, sheet, baseline + 28);
}
