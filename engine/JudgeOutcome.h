// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/Judge.h"

enum class JudgeOutcome { Correct, MarksWrong, AnswerWrong };

// What the window shows and plays for a judgement. Messages are UTF-8; an
// empty message empties its line. Files are named relative to the working
// directory.
struct OutcomePresentation {
    JudgeOutcome outcome;
    const char* answerMessage;
    const char* notationMessage;
    const char* pictureFile;
    const char* soundFile;
};

// The presentation for the two verdicts.
const OutcomePresentation& PresentationFor(const Judgement& judgement);
