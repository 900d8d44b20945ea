// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/ExerciseState.h"

#include <QWidget>

// One of the child's problems as "おてほん" draws a sum: on the left what the
// child wrote at the first try, on the right the worked answer.
class WorkBesideWorked : public QWidget {
public:
    WorkBesideWorked(const ExerciseState& sheet, int number, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ExerciseState written_;
    ExerciseState worked_;
    int number_;
};
