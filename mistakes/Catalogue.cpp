// SPDX-License-Identifier: GPL-3.0-or-later
#include "mistakes/Misconception.h"

#include <algorithm>
#include <array>

namespace {

using enum ColumnDigit;
using enum BorrowWhen;
using enum Lending;
using enum CarryGoes;

// The commonest wrong procedures of column arithmetic that the research on
// children's errors describes, each worked out by its habit. The hints fit
// the second message line of the practice window.
constexpr std::array catalogue{
    Misconception{"smaller-from-larger", SubtractionHabit{LargerMinusSmaller, TopTooSmall, Chain},
                  "大きい数から小さい数をひく", "Smaller from larger",
                  "どの位でも、上か下かにかかわらず大きい数から小さい数をひき、くり下がりをしません。"
                  "143−24 を 121 とします。",
                  "In every column takes the smaller digit from the larger, whichever is on top, and never "
                  "borrows: 143 − 24 gives 121.",
                  "うえから したを ひこう。"},
    Misconception{"borrow-no-decrement", SubtractionHabit{TopMinusBottom, TopTooSmall, NothingLowered},
                  "かりた位をへらさない", "Borrows without lowering",
                  "くり下がりで 10 をかりても、かりた位の数を 1 へらしません。143−28 を 125 とします。",
                  "Takes ten for a column whose top digit is too small but does not lower the digit it "
                  "borrowed from: 143 − 28 gives 125.",
                  "かりたら 1 へらそう。"},
    Misconception{"borrow-from-zero", SubtractionHabit{TopMinusBottom, TopTooSmall, ZeroBecomesNine},
                  "0 をこえたくり下がりで止まる", "Borrowing across a zero stops at the zero",
                  "0 をこえてかりるとき、0 を 9 にするだけで、その左の数を 1 へらしません。"
                  "1300−522 を 878 とします。",
                  "To borrow across a 0 it turns the 0 into 9 but lowers nothing beyond it: "
                  "1300 − 522 gives 878.",
                  "0の さきも へらそう。"},
    Misconception{"borrow-stops-at-zero", SubtractionHabit{TopMinusBottom, TopTooSmall, NothingAtZero},
                  "0 からかりて何も変えない", "Adds ten but changes nothing at a zero",
                  "かりる相手が 0 のとき、10 をたすだけで、左の数を何も変えません。305−8 を 307 とします。",
                  "When the digit to borrow from is a 0 it still adds ten but changes nothing to the left: "
                  "305 − 8 gives 307.",
                  "0を 9に して かりよう。"},
    Misconception{"borrow-skips-zero", SubtractionHabit{TopMinusBottom, TopTooSmall, SkipsZeros},
                  "0 をとばしてかりる", "Skips the zero",
                  "0 をとばして、その左の 0 でない数からかります。あいだの 0 は 9 になりません。"
                  "305−8 を 207 とします。",
                  "Borrows from the first digit to the left that is not 0 and leaves the zeros between as "
                  "they are: 305 − 8 gives 207.",
                  "とちゅうの 0は 9に。"},
    Misconception{"zero-minus-n-is-n", SubtractionHabit{ZeroMinusNIsN, TopTooSmall, Chain},
                  "0−N を N とする", "0 − N = N",
                  "上が 0 の位では、くり下がりをせずに下の数をそのまま書きます。140−21 を 121 とします。",
                  "Where the top digit is 0, writes the bottom digit instead of borrowing: 140 − 21 gives 121.",
                  "0からは かりて ひこう。"},
    Misconception{"n-minus-zero-is-zero", SubtractionHabit{NMinusZeroIsZero, TopTooSmall, Chain},
                  "N−0 を 0 とする", "N − 0 = 0",
                  "下が 0 の位で、答えを 0 にしてしまいます。57−30 を 20 とします。",
                  "Where the bottom digit is 0, writes 0: 57 − 30 gives 20.",
                  "0を ひいても おなじ。"},
    Misconception{"always-borrow", SubtractionHabit{TopMinusBottom, EveryColumn, Chain},
                  "いつもくり下がりをする", "Borrows in every column",
                  "ひける位でも毎回くり下がりをするので、左の数が 1 小さくなります。57−23 を 24 とします。",
                  "Borrows for every column, even where the top digit is large enough, so the digit to the "
                  "left comes out one too small: 57 − 23 gives 24.",
                  "ひけたら かりないよ。"},
    Misconception{"carry-forgotten", AdditionHabit{Forgotten, 1, false},
                  "くり上がりを忘れる", "Forgets the carry",
                  "位の和の一の位だけを書き、くり上がりの 1 をたすのを忘れます。47+35 を 72 とします。",
                  "Writes the ones of a column's sum and forgets to carry the ten: 47 + 35 gives 72.",
                  "あがった 1を たそう。"},
    Misconception{"column-sum-written", AdditionHabit{NextColumn, 1, true},
                  "位の和をそのまま書く", "Writes the whole column sum",
                  "位の和をそのまま書き、7+5 を 12 と書いてくり上げません。47+35 を 712 とします。",
                  "Writes the whole sum of a column under it, 7 + 5 as 12, instead of carrying: "
                  "47 + 35 gives 712.",
                  "1は ひだりの うえに。"},
    Misconception{"carry-wrong-column", AdditionHabit{TwoColumnsOn, 1, false},
                  "くり上がりを別の位に書く", "Carries into the wrong column",
                  "くり上がりの 1 を、すぐ左ではなくその先の位に書いてたします。147+235 を 472 とします。",
                  "Writes the carried 1 over the column two places to the left and adds it there: "
                  "147 + 235 gives 472.",
                  "1は となりの うえに。"},
    Misconception{"carry-added-twice", AdditionHabit{NextColumn, 2, false},
                  "くり上がりを 2 回たす", "Adds the carry twice",
                  "くり上がりの 1 は正しく書きますが、2 回たします。47+35 を 92 とします。",
                  "Writes the carried 1 where it belongs but adds it twice: 47 + 35 gives 92.",
                  "くりあがりは 1かいだけ。"},
};

} // namespace

std::span<const Misconception> Misconceptions()
{
    return catalogue;
}

const Misconception* FindMisconception(std::string_view id)
{
    const auto found = std::find_if(catalogue.begin(), catalogue.end(),
                                    [&](const Misconception& entry) { return entry.id == id; });
    return found == catalogue.end() ? nullptr : &*found;
}
