// SPDX-License-Identifier: GPL-3.0-or-later
#include "mistakes/FirstTryRates.h"
#include "tests/support/PaperRows.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

namespace {

// Each sum with its kind and its columns; judged right at the first try
// when the last column says so. The rates are then counted by kind and by
// columns.
TEST(FirstTryRates, CountByKindAndColumns)
{
    using enum ProblemKind;
    const std::tuple<const char*, ProblemKind, int, bool> cases[] = {
        {"5+3", AdditionNoCarry, 1, true},
        {"5+5", AdditionCarry, 1, false},
        {"48+37", AdditionCarry, 2, true},
        {"150+50", AdditionCarry, 3, true},
        {"4567+5432", AdditionNoCarry, 4, false},
        {"6-6", SubtractionNoBorrow, 1, true},
        {"57-23", SubtractionNoBorrow, 2, true},
        {"10-1", SubtractionBorrow, 2, false},
        {"143-28", SubtractionBorrow, 3, true},
        {"110-20", SubtractionBorrow, 3, true},
        {"305-8", BorrowAcrossZero, 3, false},
        {"1010-11", BorrowAcrossZero, 4, false},
        {"1000-1", BorrowAcrossZero, 4, true},
    };
    FirstTryRates rates;
    for (const auto& [sum, kind, columns, right] : cases) {
        SCOPED_TRACE(sum);
        const ExerciseState problem = posed(sum);
        EXPECT_EQ(KindOf(problem), kind);
        EXPECT_EQ(ColumnsOf(problem), columns);
        rates.FirstTryJudged(problem, right);
    }
    // Tried, and right at the first try, of the sums above.
    const std::pair<int, int> byKind[PROBLEM_KIND_COUNT] = {{2, 1}, {3, 2}, {2, 2}, {3, 2}, {3, 1}};
    const std::pair<int, int> byColumns[MAX_COLUMNS] = {{3, 2}, {3, 2}, {4, 3}, {3, 1}};
    const auto counts = [](const Tally& tally) { return std::pair(tally.tried, tally.rightFirstTime); };
    for (int kind = 0; kind < PROBLEM_KIND_COUNT; ++kind)
        EXPECT_EQ(counts(rates.OfKind(static_cast<ProblemKind>(kind))), byKind[kind]) << "kind " << kind;
    for (int columns = 1; columns <= MAX_COLUMNS; ++columns)
        EXPECT_EQ(counts(rates.OfColumns(columns)), byColumns[columns - 1]) << columns << " columns";
}

} // namespace
