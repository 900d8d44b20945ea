// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/JudgedProblem.h"

#include <QDate>

#include <vector>

// One day of practice: how many problems, how many right at the first try,
// and the seconds spent on them.
struct DayTotal {
    QDate day;
    int problems = 0;
    int rightFirstTime = 0;
    int seconds = 0;
};

// The days of the record in the local calendar, oldest first; days without
// practice are left out.
std::vector<DayTotal> DailyTotals(const std::vector<JudgedProblem>& record);
