// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every screen and the paper write the column sum alike: four columns of
// 41 × 35 places, thousands to units, 45 pixels apart, the operator one
// column left of the thousands, from top to bottom the notation cells, the
// upper number, the lower number, a black rule line and the answer cells.

// A rectangle in pixels, or in sheet units on paper.
struct Place {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct ColumnOrigin {
    // The top-left corner of the operator column in the notation row.
    int left = 0;
    int top = 0;
    // The gap between the rule line and the answer row.
    int answerGap = 0;
};

inline constexpr int CELL_WIDTH = 41;
inline constexpr int CELL_HEIGHT = 35;

// The practice window's sum starts 6 pixels in from its problem panel's edge,
// with the answer row 9 pixels under the rule line; the model answer's stands
// 16 pixels further right and 40 higher, the answer just under the rule.
// Worksheets draw their problems and their key with the same places.
inline constexpr ColumnOrigin PRACTICE_SUM_ORIGIN{6, 45, 9};
inline constexpr ColumnOrigin MODEL_ANSWER_SUM_ORIGIN{22, 5, 2};

// The places of the column sum, from its origin; columns count from the
// thousands (0).
Place NotationCellPlace(const ColumnOrigin& origin, int column);
Place UpperDigitPlace(const ColumnOrigin& origin, int column);
Place OperatorPlace(const ColumnOrigin& origin);
Place LowerDigitPlace(const ColumnOrigin& origin, int column);
Place RuleLinePlace(const ColumnOrigin& origin);
Place AnswerCellPlace(const ColumnOrigin& origin, int column);
