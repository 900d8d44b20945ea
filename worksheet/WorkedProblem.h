// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/ExerciseState.h"

#include <QSizeF>

class QPainter;

// Draws the worked answer of one problem for the key, as "おてほん" shows it:
// in its column layout, the written notation in blue above the upper number,
// in subtraction every upper digit that lent struck through, and the answer
// in its boxes. The problem's top-left corner is the painter's origin.
void PaintWorkedProblem(QPainter& painter, const ExerciseState& problem, int number);

// The room one worked problem takes.
QSizeF WorkedProblemSize();
