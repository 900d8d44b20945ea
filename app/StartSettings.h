// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/PlayOptions.h"

class TForm1;

// Selects the radio items the command line asked for, and, locked, greys the
// three groups out for the whole run: the child then practises the level a
// teacher set, and cannot turn striking off halfway through a subtraction.
void ApplyStartSettings(TForm1& form, const PlayRequest& request);
