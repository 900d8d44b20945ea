// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/DigitEntryRules.h"

#include <gtest/gtest.h>

#include <iterator>
#include <optional>
#include <string>

namespace {

// Half- and full-width digits count, one at a time; other scripts' digits,
// neighbours of the digit ranges and runs of digits do not. (Kana, letters
// and a committed run of wide digits are typed into a cell in the digit
// entry tests of the practice window.)
TEST(DigitEntryRules, OnlyASingleTypedDigitCounts)
{
    const struct { std::u16string text; std::optional<std::int32_t> digit; } rows[] = {
        {u"0", 0}, {u"6", 6}, {u"9", 9}, {u"０", 0}, {u"６", 6}, {u"９", 9},
        {u"", std::nullopt}, {u"/", std::nullopt}, {u":", std::nullopt}, {u"／", std::nullopt},
        {u"：", std::nullopt}, {u"66", std::nullopt}, {u"６\n", std::nullopt}, {u"٣", std::nullopt}, {u"³", std::nullopt},
    };
    for (std::size_t row = 0; row < std::size(rows); ++row)
        EXPECT_EQ(TypedDigit(rows[row].text), rows[row].digit) << "row " << row;
}

} // namespace
