// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/JudgeOutcome.h"

namespace {

constexpr const char* rightAnswer = "せいかい！";
constexpr const char* wrongAnswer = "こたえがちがうよ。";
constexpr const char* wrongNotation = "上のなおしかたがちがうよ。";

// Indexed by [AnswerRight][MarksRight]. A right answer with wrong notation
// still sounds like success: the answer is what the child worked for.
constexpr OutcomePresentation presentations[2][2] = {
    {
        {JudgeOutcome::AnswerWrong, wrongAnswer, wrongNotation, "batu1.bmp", "batu1.wav"},
        {JudgeOutcome::AnswerWrong, wrongAnswer, "", "batu1.bmp", "batu1.wav"},
    },
    {
        {JudgeOutcome::MarksWrong, "", wrongNotation, "hatena1.bmp", "maru1.wav"},
        {JudgeOutcome::Correct, rightAnswer, "", "maru1.bmp", "maru1.wav"},
    },
};

} // namespace

const OutcomePresentation& PresentationFor(const Judgement& judgement)
{
    return presentations[judgement.AnswerRight][judgement.MarksRight];
}
