// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/ExerciseState.h"
#include "worksheet/WorksheetSettings.h"

#include <QSizeF>

class QPainter;

// Draws one problem as the child gets it on paper, in the practice window's
// column layout: boxes for the notation, the upper number, the operator and
// the lower number, the rule line and an empty box for every column the
// answer can use, at most `widestAnswer` of them. The problem's top-left
// corner is the painter's origin.
void PaintPosedProblem(QPainter& painter, const ExerciseState& problem, int number, int widestAnswer);

// How many columns any answer under the settings can take: as many as the
// sum of the rule's largest numbers has, or its largest upper number in
// subtraction; at most four.
int WidestAnswer(const WorksheetSettings& settings);

// The room one posed problem takes.
QSizeF PosedProblemSize();
