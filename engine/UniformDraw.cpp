// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/UniformDraw.h"

std::int32_t DrawBetween(RandomSource& random, std::int32_t low, std::int32_t high)
{
    const auto span = static_cast<std::uint32_t>(high - low) + 1U;
    // Words below the threshold would favour the smallest values; the words
    // from it up fill whole rounds of the span, and are taken as they come.
    const std::uint32_t threshold = (0U - span) % span;
    std::uint32_t word = 0;
    do {
        word = static_cast<std::uint32_t>(random());
    } while (word < threshold);
    return low + static_cast<std::int32_t>(word % span);
}
