// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

// The few colours every picture is drawn from, so that the digits, the signs
// and the judgement pictures look like one sheet of the same workbook.
namespace ArtPalette {

// The paper every digit, sign and result picture is drawn on.
inline const QColor ground{0xff, 0xff, 0xff};
// The ink of the digits and signs: a deep, friendly navy.
inline const QColor ink{0x22, 0x33, 0x6e};
// The stroke that marks a digit that lends to the column on its right.
inline const QColor strike{0xe5, 0x33, 0x2f};
inline const QColor placeholder{0xf2, 0xf3, 0xf5};
inline const QColor placeholderEdge{0xd3, 0xd7, 0xde};

inline const QColor maru{0xe8, 0x35, 0x3b};
inline const QColor batu{0x24, 0x6b, 0xd8};
inline const QColor hatena{0xf5, 0x8f, 0x12};
inline const QColor hatenaBack{0xe3, 0xf6, 0xd9};
inline const QColor sparkle{0xff, 0xc4, 0x1f};

inline const QColor mascotBody{0xff, 0xd6, 0x4f};
inline const QColor mascotShade{0xf2, 0xb1, 0x2e};
inline const QColor mascotLine{0x4a, 0x33, 0x2a};
inline const QColor mascotCheek{0xff, 0x96, 0x9e};
inline const QColor mascotMouth{0xc8, 0x3a, 0x3a};
inline const QColor mascotTongue{0xff, 0x8a, 0x8a};
inline const QColor white{0xff, 0xff, 0xff};

} // namespace ArtPalette
