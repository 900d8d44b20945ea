// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/PracticeSession.h"
#include "session/SessionView.h"

#include <set>
#include <string>
#include <vector>

// A screen of the tests' own: it draws the session's views as a front end
// does, reading every picture first, and can be told which pictures it
// cannot read. What it would tell or play is recorded.
class SessionScreen {
public:
    explicit SessionScreen(RandomSource::result_type seed = 1234)
        : session(seed)
        , drawn(session.View())
    {
    }

    // Events one after another, each a verb and what it acts on:
    // "pick 3, enter A3, press A3". Targets: A0-A3 answer cells, N0-N2
    // notation cells, U0-U3 upper digits, bg bare background, ctl another
    // control. Verbs: pick (a digit or /), enter, tap, press, back (a press
    // with another button), click, type (cell and digit), erase, kind (0
    // たしざん, 1 ひきざん), main, restart, giveup, putaway, help, pose
    // ("48+37"), without and restore (a picture file).
    void play(const std::string& events);

    PracticeSession session;
    SessionView drawn;
    std::set<std::string> missing;
    std::vector<std::string> unreadable;
    std::vector<std::string> sounds;

private:
    void draw();
};
