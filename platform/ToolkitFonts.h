// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

// The Japanese Gothic faces the windows name, by character height in pixels.
// Where the Windows faces are absent the IPA faces stand in.
QFont ProportionalGothicFont(int pixelHeight, bool bold = false);
QFont FixedGothicFont(int pixelHeight, bool bold = false);
