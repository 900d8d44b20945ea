// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a gesture is aimed at. Columns count from the left: answer cells 0
// (thousands) to 3 (units), notation cells and the upper digits that can be
// struck 0 to 2. The background is bare window or panel, where a carried
// symbol is let go; a neutral control is anything else (a button, a
// counter, a settings panel), which keeps it carried.
enum class TargetKind { AnswerCell, NotationCell, UpperDigit, Background, NeutralControl };

struct Target {
    TargetKind kind = TargetKind::NeutralControl;
    int column = 0;

    friend bool operator==(const Target&, const Target&) = default;
};

constexpr Target AnswerCell(int column) { return {TargetKind::AnswerCell, column}; }
constexpr Target NotationCell(int column) { return {TargetKind::NotationCell, column}; }
constexpr Target UpperDigit(int column) { return {TargetKind::UpperDigit, column}; }
inline constexpr Target BACKGROUND{TargetKind::Background, 0};
inline constexpr Target NEUTRAL_CONTROL{TargetKind::NeutralControl, 0};
