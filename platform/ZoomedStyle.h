// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QStyle;

// The application's style with the sizes it draws by itself (the round
// indicator of a radio item, the gap to its caption, frames and button
// margins) scaled by the zoom of the control's window, so that a zoomed
// window is one picture down to its radio items. At zoom 1 it is the
// application's style exactly. One for the whole program; it is not owned.
QStyle* ZoomedStyle();
