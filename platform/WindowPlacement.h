// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

class QWidget;

// Places a top-level window by its outer rectangle, frame and caption
// included, as the windows were laid out. Until the window manager frames the
// window its client fills `outer`; once framed, the client shrinks so that the
// frame measures `outer`. Without a frame (offscreen) the client stays at it.
void PlaceWindowByOuterGeometry(QWidget* window, const QRect& outer);

// The outer rectangle moved onto the available area of a screen, as far as
// it fits there. One larger than the area keeps its top-left corner on it,
// so that its caption and close box can always be reached.
QRect KeptOnScreen(const QRect& outer, const QRect& available);

