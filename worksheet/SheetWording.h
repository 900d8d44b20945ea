// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/DrillSettings.h"

#include <QString>

// What a sheet says of its settings, in plain words a child and a parent
// read without knowing the drill's screens.

// "ひきざんの ひっさん（くりさがり あり）"
QString SheetTitle(const DrillSettings& settings);

// "100までの かず"
QString NumbersInWords(const DrillSettings& settings);

// The box the marker writes the count of right answers in: "　　もん ／ 12もん".
QString ScoreBoxText(int problemCount);

// The small print on the key for the teacher: the number that makes the same
// sheet again. "おなじ プリントを つくる ばんごう：7"
QString SameSheetNumber(std::uint32_t seed);
