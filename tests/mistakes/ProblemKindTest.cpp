// SPDX-License-Identifier: GPL-3.0-or-later
#include "mistakes/FirstTryRates.h"
#include "tests/support/PaperRows.h"

#include <gtest/gtest.h>

#include <tuple>

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
    std::array<Tally, PROBLEM_KIND_COUNT> byKind{};
    std::array<Tally, MAX_COLUMNS> byColumns{};
    for (const auto& [sum, kind, columns, right] : cases) {
        SCOPED_TRACE(sum);
        const ExerciseState problem = posed(sum);
        EXPECT_EQ(KindOf(problem), kind);
        EXPECT_EQ(ColumnsOf(problem), columns);
        rates.FirstTryJudged(problem, right);
        for (Tally* tally : {&byKind[static_cast<std::size_t>(kind)], &byColumns[columns - 1]}) {
            tally->tried += 1;
            tally->rightFirstTime += right;
        }
    }
    for (int kind = 0; kind < PROBLEM_KIND_COUNT; ++kind) {
        EXPECT_EQ(rates.OfKind(static_cast<ProblemKind>(kind)).tried, byKind[kind].tried) << kind;
        EXPECT_EQ(rates.OfKind(static_cast<ProblemKind>(kind)).rightFirstTime, byKind[kind].rightFirstTime) << kind;
    }
    for (int columns = 1; columns <= MAX_COLUMNS; ++columns) {
        EXPECT_EQ(rates.OfColumns(columns).tried, byColumns[columns - 1].tried) << columns;
        EXPECT_EQ(rates.OfColumns(columns).rightFirstTime, byColumns[columns - 1].rightFirstTime) << columns;
    }
}

} // namespace
