// SPDX-License-Identifier: GPL-3.0-or-later
#include "record_window/DailyChart.h"

#include "platform/ToolkitFonts.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr int dayWidth = 48;
constexpr int barWidth = 24;
constexpr int barTop = 22;
constexpr int barHeight = 90;
constexpr int lineHeight = 15;
constexpr int chartHeight = barTop + barHeight + 3 * lineHeight + 4;
const QColor barColour(90, 150, 230);

} // namespace

DailyChart::DailyChart(std::vector<DayTotal> days, QWidget* parent) : QWidget(parent), days_(std::move(days))
{
    if (days_.size() > SHOWN_DAYS)
        days_.erase(days_.begin(), days_.end() - SHOWN_DAYS);
    setFixedSize(std::max<int>(1, static_cast<int>(days_.size())) * dayWidth + 8, chartHeight);
}

void DailyChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setFont(ProportionalGothicFont(11));
    int most = 1;
    for (const DayTotal& day : days_)
        most = std::max(most, day.problems);
    painter.setPen(Qt::gray);
    painter.drawLine(0, barTop + barHeight, width(), barTop + barHeight);
    for (std::size_t i = 0; i < days_.size(); ++i) {
        const DayTotal& day = days_[i];
        const int left = 4 + static_cast<int>(i) * dayWidth;
        const int bar = day.problems * barHeight / most;
        const QRect barRect(left + (dayWidth - barWidth) / 2, barTop + barHeight - bar, barWidth, bar);
        painter.fillRect(barRect, barColour);
        painter.setPen(Qt::black);
        painter.drawText(QRect(left, barRect.top() - lineHeight - 1, dayWidth, lineHeight), Qt::AlignCenter,
                         QStringLiteral("%1てん").arg(day.rightFirstTime * 100 / day.problems));
        const QString below[] = {day.day.toString(QStringLiteral("M/d")), QStringLiteral("%1もん").arg(day.problems),
                                 QStringLiteral("%1ふん").arg((day.seconds + 59) / 60)};
        for (int line = 0; line < 3; ++line)
            painter.drawText(QRect(left, barTop + barHeight + 2 + line * lineHeight, dayWidth, lineHeight),
                             Qt::AlignCenter, below[line]);
    }
}
