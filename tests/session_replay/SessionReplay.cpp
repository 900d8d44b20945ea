// SPDX-License-Identifier: GPL-3.0-or-later
// Replays event scripts through the practice session as a screen drives
// it, settling each view with the pictures it could read, and prints for
// each script one hash of every view drawn. The browser's WebAssembly build
// replays the same scripts; equal hashes mean both cores drew, judged and
// took events back alike.
//
// A script is one line: the seed, then events separated by spaces.
//   s<range><carry><kind>       settings chosen by item: kind 0 たしざん, 1 ひきざん
//   k<symbol>                   key pressed: 0 to 9, or / for the slash
//   e<target> t<target>         pointer enters, finger taps
//   p<target><+|->              mouse button pressed on a cell
//   c<column>                   click on an upper digit
//   y<target><digit> x<target>  digit typed into a cell, cell erased
//   M R W A H                   main button, restart, give up, put away, help
//   u<file> r<file>             a picture unreadable from now on, readable again
// Targets: a0-a3 answer, n0-n2 notation, u0-u2 upper digit, b background,
// z neutral control.
#include "session/PracticeSession.h"
#include "session/ScreenUpdate.h"

#include <cstdint>
#include <cstdio>
#include <iostream>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>

namespace {

Target targetOf(const std::string& word, std::size_t at)
{
    const int column = at + 1 < word.size() ? word[at + 1] - '0' : 0;
    switch (word.at(at)) {
    case 'a': return AnswerCell(column);
    case 'n': return NotationCell(column);
    case 'u': return UpperDigit(column);
    case 'b': return BACKGROUND;
    case 'z': return NEUTRAL_CONTROL;
    }
    throw std::invalid_argument("no target in " + word);
}

void play(PracticeSession& session, std::set<std::string>& unreadable, const std::string& word)
{
    const std::string rest = word.substr(1);
    switch (word.at(0)) {
    case 's':
        session.ChooseSettings({static_cast<Range>(rest.at(0) - '0'), static_cast<CarryMode>(rest.at(1) - '0'),
                                rest.at(2) == '1' ? Operation::Subtraction : Operation::Addition});
        return;
    case 'k': session.PickUpSymbol(rest == "/" ? HELD_SLASH : std::stoi(rest)); return;
    case 'e': session.PointerEnters(targetOf(word, 1)); return;
    case 't': session.Tap(targetOf(word, 1)); return;
    case 'p':
        session.PressCell(targetOf(word, 1), word.back() == '+' ? StepDirection::Forwards : StepDirection::Backwards);
        return;
    case 'c': session.ClickUpperDigit(rest.at(0) - '0'); return;
    case 'y': session.TypeDigit(targetOf(word, 1), word.back() - '0'); return;
    case 'x': session.EraseCell(targetOf(word, 1)); return;
    case 'M': session.PressMainButton(); return;
    case 'R': session.Restart(); return;
    case 'W': session.ShowWorkedAnswer(); return;
    case 'A': session.PutAwayWorkedAnswer(); return;
    case 'H': session.AskForHelp(); return;
    case 'u': unreadable.insert(rest); return;
    case 'r': unreadable.erase(rest); return;
    }
    throw std::invalid_argument("no event " + word);
}

// FNV-1a, 64 bits: small enough to write again in the page's tests.
std::uint64_t hashed(std::uint64_t hash, const std::string& text)
{
    for (const unsigned char byte : text)
        hash = (hash ^ byte) * 0x100000001b3ULL;
    return hash;
}

} // namespace

int main()
{
    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream words(line);
        std::uint32_t seed = 0;
        words >> seed;
        PracticeSession session(seed);
        std::set<std::string> unreadable;
        const PictureReader read = [&](const std::string& file) { return !unreadable.contains(file); };
        SessionView drawn = session.View();
        std::uint64_t hash = hashed(0xcbf29ce484222325ULL, DescribeView(drawn));
        for (std::string word; words >> word;) {
            play(session, unreadable, word);
            drawn = ViewToDraw(session, drawn, read);
            hash = hashed(hash, DescribeView(drawn));
        }
        std::printf("%016llx\n", static_cast<unsigned long long>(hash));
    }
    return 0;
}
