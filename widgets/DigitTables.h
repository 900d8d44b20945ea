// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/Operation.h"

#include <QString>

#include <cstdint>

// Digit slots turned into what the windows show. Each table is total: every
// value outside 0 to 9 (BLANK among them) gives the blank picture or no text.

// "n0.bmp" to "n9.bmp": the plain picture of a digit.
QString DigitPictureFile(std::int32_t slot);
// "b0.bmp" to "b9.bmp": the digit struck through by a slash.
QString StruckDigitPictureFile(std::int32_t slot);
// "０" to "９": the full-width digit a cell shows.
QString DigitText(std::int32_t slot);

// "plus.bmp" or "minus.bmp": the sign in front of the lower number.
QString OperatorPictureFile(Operation operation);
