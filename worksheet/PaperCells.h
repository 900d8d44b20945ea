#pragma once

#include <QPointF>

#include <array>
#include <cstdint>

class QColor;
class QPainter;

// Where a window stands the pieces of its column sum, in its own pixels. The
// sheet draws each problem with the same measures, so that paper and screen
// look alike.
struct ColumnLayout {
    std::array<double, 4> columnLeft;  // thousands to units
    double operatorLeft;
    double notationTop;
    double upperTop;
    double lowerTop;
    double ruleTop;
    double answerTop;
};

// The pieces of a column sum on paper, each in a 41 × 35 cell given by its
// top-left corner.

// A digit slot as text in the cells' Japanese Gothic face; nothing for BLANK.
void DrawDigit(QPainter& painter, QPointF cell, std::int32_t slot, const QColor& ink);
// "＋" or "－".
void DrawOperator(QPainter& painter, QPointF cell, std::int32_t operation);
// The frame of a box to write in.
void DrawBox(QPainter& painter, QPointF cell, const QColor& ink);
// The stroke across an upper digit that lent, as on the struck digit pictures.
void DrawStrike(QPainter& painter, QPointF cell);
// The black bar under the lower number, from the operator to the units.
void DrawRuleLine(QPainter& painter, QPointF topLeft);
// "(7)" in front of the notation row.
void DrawProblemNumber(QPainter& painter, QPointF cell, int number);
