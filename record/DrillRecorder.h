// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/DrillSettings.h"
#include "engine/ExerciseState.h"

#include <QElapsedTimer>

#include <cstdio>
#include <vector>

class RecordStore;

// Keeps each problem's first judgement in the private record while the
// drill runs. A record that cannot be used, now or later, never stops the
// drill: recording ends and the drill says so once.
class DrillRecorder {
public:
    // Records unless `wanted` is false (--no-record) or the parent turned
    // recording off in "きろく".
    DrillRecorder(RecordStore& store, bool wanted, std::FILE* told = stderr);

    bool IsRecording() const { return recording_; }

    // A new problem is on the sheet: its seconds start now.
    void ProblemShown();
    // The first judgement of the problem in `sheet`, the child's cells as
    // judged.
    void FirstTryJudged(const ExerciseState& sheet, const DrillSettings& settings);

    // The first tries kept so far, oldest first, for the diagnosis to start
    // from.
    std::vector<ExerciseState> KeptFirstTries() const;

private:
    void Stop();

    RecordStore& store_;
    std::FILE* told_;
    bool recording_;
    QElapsedTimer shown_;
};
