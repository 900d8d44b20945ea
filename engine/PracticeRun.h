// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/ExerciseState.h"

// The main button draws the next problem while none is open, and judges the
// open one otherwise.
bool DrawsNextProblem(const ExerciseState& state);

// A fresh run: no problem open and both counters back at 0.
void RestartRun(ExerciseState& state);

// Whether any problem has been drawn in this run, so that there is a worked
// answer to show and a score to give.
bool HasDrawnProblem(const ExerciseState& state);

// Closes the open problem without a judgement: it stays counted and earns no
// first-try credit, so it lowers the score.
void CloseWithoutJudging(ExerciseState& state);
