// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/session/SessionScreen.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// Events of every kind at every target, columns past the rows among them.
const char* const eventKinds[] = {"pick", "enter", "tap", "press", "back", "click", "type", "erase",
                                  "kind", "main", "restart", "giveup", "putaway", "help"};
const char* const targets[] = {"A0", "A1", "A2", "A3", "A4", "N0", "N1", "N2", "N3",
                               "U0", "U1", "U2", "U3", "bg", "ctl"};

std::string randomEvent(RandomSource& random)
{
    const std::string kind = eventKinds[random() % std::size(eventKinds)];
    const std::string target = targets[random() % std::size(targets)];
    const std::string digit = std::to_string(static_cast<int>(random() % 12) - 1);
    if (kind == "pick")
        return kind + " " + (digit == "-1" ? "/" : digit);
    if (kind == "type")
        return kind + " " + target + " " + digit;
    if (kind == "kind")
        return kind + " " + std::to_string(random() % 2);
    return kind + " " + target;
}

// The rules that hold after any event, as broken now.
std::string broken(const SessionView& before, const SessionView& view, bool restarted)
{
    std::ostringstream out;
    const auto checkCell = [&](const CellView& cell, const char* row) {
        if (cell.slot < BLANK || cell.slot > 9)
            out << row << " slot out of range; ";
        // An untouched answer and a slash both hold 0 and show nothing.
        if (cell.shown != cell.slot && !(cell.slot == 0 && cell.shown == BLANK))
            out << row << " cell shows other than its slot; ";
    };
    for (const CellView& cell : view.answerCells)
        checkCell(cell, "answer");
    for (const CellView& cell : view.notationCells)
        checkCell(cell, "notation");
    for (std::size_t column = 0; column < view.upperDigits.size(); ++column)
        if (view.upperDigits[column].struck && (column == 3 || view.upperDigits[column].digit == BLANK))
            out << "a digit not on show, or the units, struck; ";
    if (view.carriedSymbol < NO_HELD || view.carriedSymbol > 9)
        out << "carried symbol out of range; ";
    const auto count = [](const SessionView& v) { return v.shownProblemCount.value_or(0); };
    if (!restarted && count(view) < count(before))
        out << "a counter went down; ";
    if (view.phase != Phase::Closed && !view.problemShown)
        out << "the open problem is not on screen; ";
    if ((view.phase != Phase::Closed) != (view.mainCaption == MainCaption::Judge))
        out << "main caption and phase disagree; ";
    if (!view.unreadableFile.empty() && view.sound != SoundCue::None)
        out << "a sound without its picture; ";
    return out.str();
}

// Thousands of seeded events, with every picture there and with one
// missing; the first broken rule stops the storm and names seed and step.
TEST(RandomEvents, NoEventBreaksTheSessionsRules)
{
    const std::tuple<RandomSource::result_type, const char*, int> storms[] = {
        {20240611, "", 4000}, {7, "mascot.bmp", 2000}, {99, "n7.bmp", 2000}};
    for (const auto& [seed, missing, steps] : storms) {
        SCOPED_TRACE(missing);
        SessionScreen screen(seed);
        screen.missing = {missing};
        RandomSource random(seed);
        for (int step = 0; step < steps; ++step) {
            const std::string event = randomEvent(random);
            const SessionView before = screen.drawn;
            screen.play(event);
            std::string failure = broken(before, screen.drawn, event.starts_with("restart"));
            if (!screen.drawn.unreadableFile.empty() && screen.drawn.unreadableFile != missing)
                failure += "told of " + screen.drawn.unreadableFile;
            if (!failure.empty()) {
                ADD_FAILURE() << "seed " << seed << ", step " << step << ", " << event << ": " << failure;
                break;
            }
        }
    }
}

} // namespace
