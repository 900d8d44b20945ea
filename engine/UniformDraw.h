// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/RandomSource.h"

#include <cstdint>

// A whole number from low to high, each equally likely. The mapping from the
// generator's 32-bit words is the program's own, so that a seed gives the
// same problems whichever standard library the program is built with.
std::int32_t DrawBetween(RandomSource& random, std::int32_t low, std::int32_t high);
