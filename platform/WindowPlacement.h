// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

class QWidget;

// Places a top-level window by its outer rectangle, frame and caption
// included, as the windows were laid out. Until the window manager frames the
// window its client fills `outer`; once framed, the client shrinks so that the
// frame measures `outer`. Without a frame (offscreen) the client stays at it.
void PlaceWindowByOuterGeometry(QWidget* window, const QRect& outer);
