// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// The 41 x 35 pictures the column sum is built from: the digits, the struck
// digits, the signs and an empty place, all on the same paper. Each is drawn
// at `scale` times that size for screens with as many pixels per point, from
// the same design.
namespace Tiles {

inline constexpr QSize size{41, 35};

QImage digit(int value, int scale);
// A digit with the red stroke a child draws through a digit that lends.
QImage struckDigit(int value, int scale);
QImage blank(int scale);
QImage plus(int scale);
QImage minus(int scale);
// What a digit box shows before it is first filled: a plain light box.
QImage placeholder();

} // namespace Tiles
