// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/session/SessionScreen.h"
#include "tests/support/PaperRows.h"

#include <gtest/gtest.h>

namespace {

// A child who borrows without lowering, judged problem by problem with
// hints on, after one earlier first try of the same kind: the hint shows
// after a wrong answer once the misconception is named and the answer is its
// work, not after a right one or another wrong one; each problem's first
// judgement alone is told to the record. With hints off it never shows.
TEST(Hints, FollowTheNamedMisconceptionOnly)
{
    const struct { const char* events; bool firstTry; const char* hint; } steps[] = {
        {"pose 61-5, type A2 6, type A3 6, main", true, "かりたら 1 へらそう。"},
        {"type A2 5, type A3 6, type N2 5, click U2, main", false, ""},
        {"pose 74-36, type A2 3, type A3 8, type N2 6, click U2, main", true, ""},
        {"pose 82-35, type A2 5, type A3 7, main", true, "かりたら 1 へらそう。"},
        {"type A2 9, type A3 9, main", false, ""},
    };
    SessionScreen screen(7);
    ExerciseState earlier = posed("143-28");
    earlier.EnteredAnswer = paperRow<4>(".125");
    screen.session.RememberFirstTries({earlier});
    screen.session.ShowHints(true);
    screen.play("kind 1");
    for (const auto& [events, firstTry, hint] : steps) {
        SCOPED_TRACE(events);
        screen.play(events);
        EXPECT_EQ(screen.drawn.firstTryJudged, firstTry);
        EXPECT_EQ(screen.drawn.hint, hint);
    }
    screen.session.ShowHints(false);
    screen.play("pose 52-7, type A2 5, type A3 5, main");
    EXPECT_EQ(screen.drawn.hint, "");
}

} // namespace
