// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/session/SessionScreen.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

std::string slotText(std::int32_t slot)
{
    return slot == BLANK ? "·" : std::to_string(slot);
}

std::string symbolText(std::int32_t symbol)
{
    return symbol == NO_HELD ? "none" : symbol == HELD_SLASH ? "/" : std::to_string(symbol);
}

// The units answer and the hundreds notation as slot=shown, the upper digits
// ("/" where struck), the symbol carried and any picture the screen could
// not read.
std::string sheet(const SessionScreen& screen)
{
    const SessionView& view = screen.drawn;
    std::string text = slotText(view.answerCells[3].slot) + "=" + slotText(view.answerCells[3].shown) + " "
        + slotText(view.notationCells[1].slot) + "=" + slotText(view.notationCells[1].shown) + " |";
    for (const UpperDigitView& digit : view.upperDigits)
        text += " " + slotText(digit.digit) + (digit.struck ? "/" : "");
    text += " | held " + symbolText(view.carriedSymbol);
    for (const std::string& file : screen.unreadable)
        text += " [" + file + "]";
    return text;
}

// Plays each row's events on a fresh screen after `before`, and compares the
// sheet they leave.
void expectSheets(const char* before, std::initializer_list<std::pair<const char*, const char*>> rows)
{
    for (const auto& [events, expected] : rows) {
        SCOPED_TRACE(events);
        SessionScreen screen;
        screen.play(before);
        screen.play(events);
        EXPECT_EQ(sheet(screen), expected);
    }
}

// Every press steps a cell: forwards through empty, ０ … ９, empty, with any
// other button backwards. A carried digit entering a cell stores and shows
// itself; the slash stores 0 and shows nothing. A tap places what the
// finger carries, or steps forwards when it carries nothing.
//
// The slash entering an upper digit strikes it and a second restores it, in
// either operation; a digit carried there is lost. A click strikes while
// ひきざん is chosen, whatever kind of problem is on screen; the units never
// lend. A tap hands over what is carried, or with nothing carried, clicks.
// Without its picture the stroke stays as it was, the slash is let go all
// the same and the screen tells once.
//
// A typed digit sets the cell, erasing empties it. Each row plays on a fresh
// 5432 − 1234 with たしざん chosen.
TEST(DigitEntry, EachEventLeavesItsSheet)
{
    expectSheets("pose 5432-1234", {
        {"press A3", "1=1 ·=· | 5 4 3 2 | held none"},
        {"back A3", "·=· ·=· | 5 4 3 2 | held none"},
        {"press A3, press A3", "2=2 ·=· | 5 4 3 2 | held none"},
        {"type A3 9, press A3", "·=· ·=· | 5 4 3 2 | held none"},
        {"pick /, enter A3", "0=· ·=· | 5 4 3 2 | held none"},
        {"pick /, enter A3, press A3", "1=1 ·=· | 5 4 3 2 | held none"},
        {"back N1, press N1", "0=· ·=· | 5 4 3 2 | held none"},
        {"pick 3, enter A3, press A3", "4=4 ·=· | 5 4 3 2 | held none"},
        {"pick 5, enter ctl, enter A3", "5=5 ·=· | 5 4 3 2 | held none"},
        {"pick 5, enter bg, enter A3", "0=· ·=· | 5 4 3 2 | held none"},
        {"pick 3, tap A3", "3=3 ·=· | 5 4 3 2 | held none"},
        {"tap N1, tap A3, tap A3", "2=2 0=0 | 5 4 3 2 | held none"},
        {"pick 7, tap ctl", "0=· ·=· | 5 4 3 2 | held 7"},
        {"pick 7, tap bg", "0=· ·=· | 5 4 3 2 | held none"},
        {"pick /, enter U1, pick /, enter U1", "0=· ·=· | 5 4 3 2 | held none"},
        {"pick 5, enter U1, enter A3", "0=· ·=· | 5 4 3 2 | held none"},
        {"pick /, enter U3", "0=· ·=· | 5 4 3 2 | held /"},
        {"click U0", "0=· ·=· | 5 4 3 2 | held none"},
        {"kind 1, click U0", "0=· ·=· | 5/ 4 3 2 | held none"},
        {"kind 1, click U3", "0=· ·=· | 5 4 3 2 | held none"},
        {"kind 1, pick /, enter U1, click U1", "0=· ·=· | 5 4 3 2 | held none"},
        {"pick /, tap U1", "0=· ·=· | 5 4/ 3 2 | held none"},
        {"kind 1, pick 5, tap U1", "0=· ·=· | 5 4 3 2 | held none"},
        {"kind 1, tap U1", "0=· ·=· | 5 4/ 3 2 | held none"},
        {"without b4.bmp, pick /, enter U1, restore b4.bmp, pick /, enter U1", "0=· ·=· | 5 4/ 3 2 | held none [b4.bmp]"},
        {"pick /, enter U1, without n4.bmp, pick /, enter U1, enter U2, enter U1, restore n4.bmp",
         "0=· ·=· | 5 4/ 3 2 | held none [n4.bmp]"},
        {"kind 1, without b5.bmp, click U0, click U0", "0=· ·=· | 5 4 3 2 | held none [b5.bmp] [b5.bmp]"},
        {"type A3 6", "6=6 ·=· | 5 4 3 2 | held none"},
        {"type A3 0", "0=0 ·=· | 5 4 3 2 | held none"},
        {"type A3 6, erase A3", "·=· ·=· | 5 4 3 2 | held none"},
        {"type N1 3", "0=· 3=3 | 5 4 3 2 | held none"},
        {"type A3 10, type A3 -1, type A4 5", "0=· ·=· | 5 4 3 2 | held none"},
    });
}

// A symbol entering a cell or a digit not on show is let go as over bare
// background: before the first problem, and left of a short number, a slash
// too. Other controls keep it carried.
TEST(DigitEntry, TargetsNotOnShowAreBareBackground)
{
    expectSheets("", {
        {"pick 5, enter A3", "0=· ·=· | · · · · | held none"},
        {"pick 5, tap N1", "0=· ·=· | · · · · | held none"},
        {"pick /, enter U2", "0=· ·=· | · · · · | held none"},
        {"press A3, type A3 4, kind 1, click U1", "0=· ·=· | · · · · | held none"},
        {"pose 47+8, pick /, enter U1", "0=· ·=· | · · 4 7 | held none"},
        {"pose 47+8, pick /, tap U0", "0=· ·=· | · · 4 7 | held none"},
        {"pose 47+8, pick 7, enter ctl", "0=· ·=· | · · 4 7 | held 7"},
    });
}

} // namespace
