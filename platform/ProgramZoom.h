// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QEvent>
#include <QFont>
#include <QRect>
#include <QSize>

#include <optional>

class QWidget;

// How far a zoom may be asked for.
inline constexpr double SMALLEST_ZOOM = 0.5;
inline constexpr double LARGEST_ZOOM = 4;

// The zoom a main window laid out with `outer` (frame included) starts at on
// a screen whose available area is `available`: the largest at which it takes
// no more than about 80 % of the area's width and of its height, so that the
// whole window is on the screen and some of the desktop besides. Below 1 on a
// small screen; never above LARGEST_ZOOM.
double StartupZoom(QSize outer, QSize available);

// The zoom of the program's windows: the main window's, which おてほん and the
// help take. 1 until the main window is zoomed.
double ProgramZoom();

// Sent to every top-level window when the program's zoom changes.
QEvent::Type ProgramZoomChangeEvent();

// The main window, already placed by its laid-out outer rectangle, at a fixed
// zoom; or, without one, at the start-up zoom for its screen, its content
// from then on scaled to fill its client area whenever the window is resized
// or maximised (centred where the client is wider or taller than the
// content's proportions).
void ZoomMainWindow(QWidget* window, std::optional<double> fixedZoom);

// A secondary window: placed by its laid-out outer rectangle at the program's
// zoom, kept whole on the screen; when it is shown after the zoom has changed,
// or the zoom changes while it is shown, it is scaled again and kept on the
// screen from where it stands.
void PlaceSecondaryWindow(QWidget* window, const QRect& outer);

// Words at the program's zoom, whether their size is given in pixels or in
// points: a message box's or the help's, read at the size of the windows
// behind them.
QFont AtProgramZoom(QFont font);
