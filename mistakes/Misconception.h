// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string_view>
#include <variant>

// How a child works a column of a subtraction: what it writes for the
// column, when it borrows, and what the borrowing lowers to the left.
enum class ColumnDigit {
    TopMinusBottom,
    // The larger digit less the smaller, whichever is on top; never borrows.
    LargerMinusSmaller,
    // A 0 on top under a digit writes that digit and borrows nothing.
    ZeroMinusNIsN,
    // A 0 below writes 0.
    NMinusZeroIsZero,
};
enum class BorrowWhen { TopTooSmall, EveryColumn };
enum class Lending {
    // The digit to the left drops by one; a 0 becomes 9 and lends in turn.
    Chain,
    // Ten is added, nothing to the left changes.
    NothingLowered,
    // A 0 becomes 9 and nothing beyond it is lowered.
    ZeroBecomesNine,
    // A 0 to the left stays as it is and nothing beyond it changes.
    NothingAtZero,
    // The first digit to the left that is not 0 drops by one; the zeros
    // between stay 0.
    SkipsZeros,
};
struct SubtractionHabit {
    ColumnDigit digit = ColumnDigit::TopMinusBottom;
    BorrowWhen borrowWhen = BorrowWhen::TopTooSmall;
    Lending lending = Lending::Chain;
};

// How a child works the columns of an addition: where a carry goes, how
// often it is added there, or whether each column's whole sum is written.
enum class CarryGoes { Forgotten, NextColumn, TwoColumnsOn };
struct AdditionHabit {
    CarryGoes carryGoes = CarryGoes::NextColumn;
    int timesAdded = 1;
    bool wholeColumnSumWritten = false;
};

// One systematic wrong procedure of column arithmetic, with the words a
// parent reads about it and the line a child may see after a wrong answer.
struct Misconception {
    // Fixed for good: the command line, the record and its export use it.
    std::string_view id;
    std::variant<SubtractionHabit, AdditionHabit> habit;
    std::string_view nameJa;
    std::string_view nameEn;
    std::string_view explanationJa;
    std::string_view explanationEn;
    // Hiragana, short enough for the second message line.
    std::string_view hint;
};

// Every misconception the drill can name, subtraction first.
std::span<const Misconception> Misconceptions();

// The misconception with this id, or nullptr.
const Misconception* FindMisconception(std::string_view id);
