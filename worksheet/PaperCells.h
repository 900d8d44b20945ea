// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/Operation.h"

#include <QRect>

#include <cstdint>

class QColor;
class QPainter;

// The pieces of a column sum on paper, each in its place of the windows'
// column layout (ColumnBuilder).

// A digit slot as text in the cells' Japanese Gothic face; nothing for BLANK.
void DrawDigit(QPainter& painter, QRect cell, std::int32_t slot, const QColor& ink);
// "＋" or "－".
void DrawOperator(QPainter& painter, QRect cell, Operation operation);
// The frame of a box to write in.
void DrawBox(QPainter& painter, QRect cell, const QColor& ink);
// The stroke across an upper digit that lent, as on the struck digit pictures.
void DrawStrike(QPainter& painter, QRect cell);
// The black bar under the lower number.
void DrawRuleLine(QPainter& painter, QRect line);
// "(7)" left of the notation row.
void DrawProblemNumber(QPainter& painter, QRect place, int number);
