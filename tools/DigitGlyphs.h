// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainterPath>

// The centre lines of the digits and the two signs, laid out in a 41 x 35
// tile. They are drawn with one thick round-capped pen, which gives the
// rounded, bold look of a workbook's digits without depending on any font.
namespace DigitGlyphs {

// Width of the pen that strokes every centre line.
inline constexpr double penWidth = 5.0;

QPainterPath digit(int value);
QPainterPath plus();
QPainterPath minus();
// The lower-left to upper-right stroke that strikes through a lending digit.
QPainterPath strike();

} // namespace DigitGlyphs
