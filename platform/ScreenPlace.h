// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "layout/ColumnLayout.h"

#include <QRect>

// A place of the drill's layout as Qt's rectangle.
inline QRect ToQRect(const Place& place)
{
    return {place.left, place.top, place.width, place.height};
}
