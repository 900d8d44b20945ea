// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/JudgedProblem.h"

#include <QByteArray>
#include <QString>

#include <variant>
#include <vector>

// The record as one JSON file, to keep it safe or move it to another device:
// every judged problem, oldest first, and each misconception named now with
// the problems (their places in the list) that showed it.
QByteArray RecordJson(const std::vector<JudgedProblem>& record);

// The problems of a file RecordJson wrote. A file that is damaged, of
// another program or of another version gives one line saying what is
// wrong, and no problem at all.
std::variant<std::vector<JudgedProblem>, QString> ReadRecordJson(const QByteArray& bytes);
