// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSizeF>

// A sheet is laid out on A4 portrait in units of 1/96 inch. The windows'
// pixel measures stand as they are, so the column sum prints a quarter
// larger than on a 120-dpi screen: room for a child's handwriting.
inline constexpr QSizeF SHEET_PAGE_SIZE(793.7, 1122.5);
inline constexpr double SHEET_MARGIN = 40;
