// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/DrillSettings.h"
#include "engine/ExerciseState.h"

#include <QSizeF>

class QPainter;

// Draws one problem as the child gets it on paper, in the practice window's
// column layout: boxes for the notation, the upper number, the operator and
// the lower number, the rule line and an empty box for every column the
// answer can use under the settings. The problem's top-left corner is the
// painter's origin.
void PaintPosedProblem(QPainter& painter, const ExerciseState& problem, int number, const DrillSettings& settings);

// The room one posed problem takes.
QSizeF PosedProblemSize();
