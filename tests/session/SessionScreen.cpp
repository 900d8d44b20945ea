// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/session/SessionScreen.h"

#include "session/ScreenUpdate.h"

#include <functional>
#include <map>
#include <sstream>
#include <stdexcept>

namespace {

Target target(const std::string& name)
{
    if (name == "bg")
        return BACKGROUND;
    if (name == "ctl")
        return NEUTRAL_CONTROL;
    const std::map<char, Target (*)(int)> kinds{{'A', AnswerCell}, {'N', NotationCell}, {'U', UpperDigit}};
    return kinds.at(name.at(0))(name.at(1) - '0');
}

} // namespace

void SessionScreen::play(const std::string& events)
{
    PracticeSession& s = session;
    using Words = std::vector<std::string>;
    const std::map<std::string, std::function<void(const Words&)>> verbs{
        {"pick", [&](const Words& w) { s.PickUpSymbol(w[0] == "/" ? HELD_SLASH : std::stoi(w[0])); }},
        {"enter", [&](const Words& w) { s.PointerEnters(target(w[0])); }},
        {"tap", [&](const Words& w) { s.Tap(target(w[0])); }},
        {"press", [&](const Words& w) { s.PressCell(target(w[0]), StepDirection::Forwards); }},
        {"back", [&](const Words& w) { s.PressCell(target(w[0]), StepDirection::Backwards); }},
        {"click", [&](const Words& w) { s.ClickUpperDigit(target(w[0]).column); }},
        {"type", [&](const Words& w) { s.TypeDigit(target(w[0]), std::stoi(w[1])); }},
        {"erase", [&](const Words& w) { s.EraseCell(target(w[0])); }},
        {"kind",
         [&](const Words& w) {
             s.ChooseSettings({Range::UpTo10, CarryMode::Never, w[0] == "1" ? Operation::Subtraction
                                                                            : Operation::Addition});
         }},
        {"main", [&](const Words&) { s.PressMainButton(); }},
        {"restart", [&](const Words&) { s.Restart(); }},
        {"giveup", [&](const Words&) { s.ShowWorkedAnswer(); }},
        {"putaway", [&](const Words&) { s.PutAwayWorkedAnswer(); }},
        {"help", [&](const Words&) { s.AskForHelp(); }},
        {"pose",
         [&](const Words& w) {
             const std::size_t sign = w[0].find_first_of("+-");
             s.PoseProblem(w[0][sign] == '+' ? Operation::Addition : Operation::Subtraction,
                           std::stoi(w[0].substr(0, sign)), std::stoi(w[0].substr(sign + 1)));
         }},
        {"without", [&](const Words& w) { missing.insert(w[0]); }},
        {"restore", [&](const Words& w) { missing.erase(w[0]); }},
    };
    std::istringstream list(events);
    for (std::string event; std::getline(list, event, ',');) {
        std::istringstream line(event);
        std::string verb;
        line >> verb;
        Words words;
        for (std::string word; line >> word;)
            words.push_back(word);
        verbs.at(verb)(words);
        // Taking a file away or bringing it back is no event of the session.
        if (verb != "without" && verb != "restore")
            draw();
    }
}

void SessionScreen::draw()
{
    drawn = ViewToDraw(session, drawn, [this](const std::string& file) { return !missing.contains(file); });
    if (!drawn.unreadableFile.empty())
        unreadable.push_back(drawn.unreadableFile);
    if (drawn.sound != SoundCue::None)
        sounds.push_back(FileOf(drawn.sound));
}
