// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout/SettingItems.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// Indexes outside the radio groups' items are a caller's error: the nearest
// item is used, and every "しゅるい" but 1 means addition. Read back, the
// settings stand at the items used.
TEST(SettingItems, ClampIndexesOutsideTheItems)
{
    const int cases[][6] = {  // range, carry and kind given, then the ones used
        {-1, -5, 0, 0, 0, 0}, {9, 7, 1, 4, 2, 1}, {2, -1, 1, 2, 0, 1}, {1, 1, 2, 1, 1, 0}, {4, 0, -1, 4, 0, 0},
    };
    for (const auto& c : cases) {
        const SettingItems used = ItemsOf(SettingsFromItems(c[0], c[1], c[2]));
        EXPECT_EQ(std::tie(used.range, used.carryMode, used.kind), std::tie(c[3], c[4], c[5]))
            << "range " << c[0] << " carry " << c[1] << " kind " << c[2];
    }
}

} // namespace
