// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <random>

// The program's one source of random numbers, seeded once at start-up.
using RandomSource = std::mt19937;
