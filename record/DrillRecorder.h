// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/DrillSettings.h"
#include "engine/ExerciseState.h"
#include "session/SessionView.h"

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

    // The sheet as the screen has drawn it after an event: a new problem
    // starts its seconds, a first judgement is kept, once for each problem
    // however often the sheet is drawn.
    void SheetDrawn(const SessionView& view, const ExerciseState& run, const DrillSettings& settings);

    // The first tries kept so far, oldest first, for the diagnosis to start
    // from.
    std::vector<ExerciseState> KeptFirstTries() const;

private:
    void Stop();
    // A new problem is on the sheet: its seconds start now.
    void ProblemShown();
    // The first judgement of the problem in `sheet`, the child's cells as
    // judged.
    void FirstTryJudged(const ExerciseState& sheet, const DrillSettings& settings);

    RecordStore& store_;
    std::FILE* told_;
    bool recording_;
    QElapsedTimer shown_;
    std::int32_t shownSheet_ = 0;
    std::int32_t judgedSheet_ = 0;
};
