// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>

// The larger pictures: the mascot, the three judgement pictures and the
// program's own icon and help button. Those the program loads from files are
// drawn at `scale` times their size for screens with as many pixels per
// point, from the same design.
namespace Pictures {

inline constexpr QSize resultSize{81, 81};
// The window icon's size; up to it the icon keeps the few flat colours of
// the old sixteen-colour icons.
inline constexpr QSize iconSize{32, 32};
// The sizes of the desktop's icon theme the program brings its icon in.
inline constexpr int iconSides[] = {16, 32, 48, 64, 128, 256};
inline constexpr QSize helpButtonSize{33, 33};

QImage mascot(int scale);
// The mascot waving hello, shown before the first problem.
QImage startup();
// Right: a big red circle.
QImage maru(int scale);
// Wrong: a big blue cross.
QImage batu(int scale);
// The answer is right but the small numbers above it are not.
QImage hatena(int scale);
// The mascot's head, `side` pixels square with a transparent surround.
QImage icon(int side);
// The same head as an SVG drawing, for any size.
QByteArray scalableIcon();
// A speech bubble with a question mark, with a transparent surround.
QImage helpButton();

} // namespace Pictures
