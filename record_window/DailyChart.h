// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/DailyTotals.h"

#include <QWidget>

// The last days of practice as a small chart: a bar of problems per day
// with the first-try score above it and the minutes below.
class DailyChart : public QWidget {
public:
    explicit DailyChart(std::vector<DayTotal> days, QWidget* parent = nullptr);

    // How many days the chart shows at most, the latest ones.
    static constexpr int SHOWN_DAYS = 14;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<DayTotal> days_;
};
