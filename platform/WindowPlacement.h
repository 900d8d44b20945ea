// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

#include <optional>

class QWidget;

// Places a top-level window by its outer rectangle, frame and caption
// included, as the windows were laid out. Until the window manager frames the
// window its client fills `outer`; once framed, the client shrinks so that the
// frame measures `outer`. Without a frame (offscreen) the client stays at it.
// At another zoom the client is the one of `outer` scaled, the frame as it
// is, from the same top-left corner; kept within an area, the window moves
// onto it as KeptOnScreen moves it, once its frame is known.
void PlaceWindowByOuterGeometry(QWidget* window, const QRect& outer, double zoom = 1,
                                std::optional<QRect> keptWithin = std::nullopt);

// The outer rectangle the window was first placed by, at its laid-out size.
QRect LaidOutOuterGeometry(const QWidget* window);

// The client a window placed by `outer` has at its laid-out size, with the
// frame it has now.
QSize LaidOutClientSize(const QWidget* window);

// The outer rectangle moved onto the available area of a screen, as far as
// it fits there. One larger than the area keeps its top-left corner on it,
// so that its caption and close box can always be reached.
QRect KeptOnScreen(const QRect& outer, const QRect& available);
