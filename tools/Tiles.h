#pragma once

#include <QImage>

// The 41 x 35 pictures the column sum is built from: the digits, the struck
// digits, the signs and an empty place, all on the same paper.
namespace Tiles {

inline constexpr QSize size{41, 35};

QImage digit(int value);
// A digit with the red stroke a child draws through a digit that lends.
QImage struckDigit(int value);
QImage blank();
QImage plus();
QImage minus();
// What a digit box shows before it is first filled: a plain light box.
QImage placeholder();

} // namespace Tiles
