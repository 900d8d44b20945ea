// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/ExerciseState.h"
#include "engine/Phase.h"
#include "engine/WorkedAnswer.h"
#include "session/Wording.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

// One upper digit of the sum as shown: BLANK where the number has no digit
// and nothing shows.
struct UpperDigitView {
    std::int32_t digit = BLANK;
    bool struck = false;

    friend bool operator==(const UpperDigitView&, const UpperDigitView&) = default;
};

// One answer or notation cell: the slot that is judged, and the digit the
// cell shows, BLANK for nothing. The two differ where a slash wiped the cell
// (it holds 0 and shows nothing) and in an answer cell nobody touched.
struct CellView {
    std::int32_t slot = 0;
    std::int32_t shown = BLANK;

    friend bool operator==(const CellView&, const CellView&) = default;
};

// What the practice sheet and "おてほん" show after an event, and what the
// event asks the screen to do once. A front end draws it and asks nothing
// else of the session.
struct SessionView {
    // The sum. Before the first problem no digit, sign or cell shows.
    bool problemShown = false;
    // Counts the problems laid out on the sheet, so that a screen knows to
    // draw the whole sum afresh.
    std::int32_t sheetNumber = 0;
    Operation operation = Operation::Addition;
    std::array<UpperDigitView, 4> upperDigits{};
    DigitRow lowerDigits{BLANK, BLANK, BLANK, BLANK};
    std::array<CellView, 4> answerCells{};
    std::array<CellView, 3> notationCells{};

    // The verdict and the run.
    Message answerMessage = Message::None;
    Message notationMessage = Message::None;
    // After a wrong answer that is the work of a misconception named from
    // the child's first tries, its hint, shown on the second message line in
    // place of the notation message; empty unless hints are on.
    std::string hint;
    ResultPicture resultPicture = ResultPicture::Startup;
    MainCaption mainCaption = MainCaption::Start;
    // The two counters, empty until first shown and after a restart.
    std::optional<std::int32_t> shownProblemCount;
    std::optional<std::int32_t> shownScore;
    Phase phase = Phase::Closed;

    // The keypad symbol the pointer carries (0 to 9, HELD_SLASH) or NO_HELD;
    // while one is carried the pointer takes the drag shape.
    std::int32_t carriedSymbol = NO_HELD;

    // "おてほん": whether it shows, and the worked answer it shows, as it
    // was when it came up.
    bool workedAnswerShown = false;
    WorkedSum workedAnswer{};

    // Once, for this event only.
    SoundCue sound = SoundCue::None;
    bool openHelp = false;
    // "おてほん" is brought back to the front, restored if minimised.
    bool raiseWorkedAnswer = false;
    // A picture that could not be read: the event was taken back as far as
    // it needed the picture, and the screen tells so.
    std::string unreadableFile;
    // The problem's first judgement was given in this event, Run() holding
    // the cells as judged: what the private record keeps. Not drawn.
    bool firstTryJudged = false;

    friend bool operator==(const SessionView&, const SessionView&) = default;
};

// What the second message line says: the hint where there is one, the
// notation's message otherwise.
inline std::string SecondMessageLine(const SessionView& view)
{
    return view.hint.empty() ? std::string(TextOf(view.notationMessage)) : view.hint;
}

// The view as canonical text, one line per part, the same on every build:
// tests compare it, and other front ends compare its hash with this one's.
std::string DescribeView(const SessionView& view);
