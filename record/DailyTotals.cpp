// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/DailyTotals.h"

#include <QDateTime>

std::vector<DayTotal> DailyTotals(const std::vector<JudgedProblem>& record)
{
    std::vector<DayTotal> days;
    for (const JudgedProblem& problem : record) {
        const QDate day = QDateTime::fromMSecsSinceEpoch(problem.judgedAt).date();
        if (days.empty() || days.back().day != day)
            days.push_back({day, 0, 0, 0});
        days.back().problems += 1;
        days.back().rightFirstTime += problem.outcome != "answer-wrong" ? 1 : 0;
        days.back().seconds += problem.seconds;
    }
    return days;
}
