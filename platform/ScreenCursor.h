// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one pointer shape the whole program shows, as the toolkit's screen
// cursor: crDrag while a number or slash is being carried to a box.
constexpr int crDefault = 0;
constexpr int crDrag = -12;

void SetScreenCursor(int shape);
int ScreenCursor();
