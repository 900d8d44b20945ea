// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/session/SessionScreen.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::string counter(const std::optional<std::int32_t>& value)
{
    return value ? std::to_string(*value) : "";
}

// Both messages, the result picture, the main caption and the two counters.
std::string verdict(const SessionView& view)
{
    return std::string(TextOf(view.answerMessage)) + "|" + TextOf(view.notationMessage) + "|"
        + FileOf(view.resultPicture) + "|" + TextOf(view.mainCaption) + "|" + counter(view.shownProblemCount) + "|"
        + counter(view.shownScore);
}

// The answer row of "おてほん", "····" while it is put away.
std::string workedAnswer(const SessionView& view)
{
    std::string row;
    for (const std::int32_t digit : view.workedAnswer.answer)
        row += view.workedAnswerShown && digit != BLANK ? FullWidthDigit(digit) : "·";
    return row;
}

// The view without the verdict's words, "おてほん" and the event's own
// effects: what a press that cannot show its pictures must leave as it was.
std::string beyondTheWords(SessionView view)
{
    view.answerMessage = view.notationMessage = Message::None;
    view.workedAnswerShown = false;
    view.sound = SoundCue::None;
    view.unreadableFile.clear();
    view.raiseWorkedAnswer = false;
    return DescribeView(view);
}

// Takes the files away and plays the press twice, then brings them back and
// plays it once more. While they are missing each press tells of one of them,
// plays nothing and leaves the run and the sheet as they were, but for the
// verdict's words, which come first: they are given back as they stood.
std::string pressWithout(SessionScreen& screen, const std::vector<std::string>& missing, const std::string& press)
{
    const std::string before = beyondTheWords(screen.drawn);
    const std::size_t told = screen.unreadable.size(), heard = screen.sounds.size();
    screen.missing.insert(missing.begin(), missing.end());
    std::string words;
    for (std::size_t presses = 1; presses <= 2; ++presses) {
        screen.play(press);
        words = std::string(TextOf(screen.drawn.answerMessage)) + "|" + TextOf(screen.drawn.notationMessage) + "|";
        EXPECT_EQ(beyondTheWords(screen.drawn), before);
        EXPECT_EQ(screen.sounds.size(), heard);
        EXPECT_EQ(screen.unreadable.size(), told + presses);
        if (screen.unreadable.empty())
            return words;
        EXPECT_NE(std::ranges::find(missing, screen.unreadable.back()), missing.end()) << screen.unreadable.back();
    }
    screen.missing.clear();
    screen.play(press);
    EXPECT_EQ(screen.unreadable.size(), told + 2);
    return words;
}

// One run, step by step: the events of each step, the last perhaps played
// with a result picture missing at first (its words shown all the same),
// then the verdict and the answer
// row of "おてほん". "せいかいを見る" changes nothing before the first
// problem. A problem right at the first judging scores; a wrong answer
// leaves the problem open as written, and judged again says and sounds the
// same; the notation is judged by the kind chosen at judging; the score is
// cut, not rounded. "せいかいを見る" costs nothing after a right answer and
// gives an open problem up; the next problem and a restart put "おてほん"
// away, and a restart counts afresh.
TEST(PracticeRun, ScoresFirstTriesAndGivesUpOnRequest)
{
    const char* right = "せいかい！|";
    const struct { const char* what; const char* events; const char* press; const char* missing;
                   std::string verdict; const char* worked; } steps[] = {
        {"nothing to give up", "", "giveup", nullptr, "|||はじめる||", "····"},
        {"right", "pose 48+37, type A2 8, type A3 5, type N2 1", "main", "maru1.bmp",
         right + std::string("|maru1.bmp|つぎをやる|1|100"), "····"},
        {"wrong", "pose 48+37, type A2 8, type A3 4, type N2 1", "main", "batu1.bmp",
         "こたえがちがうよ。||batu1.bmp|はんてい|1|100", "····"},
        {"wrong again", "", "main", nullptr, "こたえがちがうよ。||batu1.bmp|はんてい|1|100", "····"},
        {"corrected", "type A3 5", "main", nullptr, right + std::string("|maru1.bmp|つぎをやる|2|50"), "····"},
        {"no carry", "pose 48+37, type A2 8, type A3 5", "main", "hatena1.bmp",
         "|上のなおしかたがちがうよ。|hatena1.bmp|つぎをやる|3|66", "····"},
        {"as ひきざん", "pose 48+37, type A2 8, type A3 5, type N2 1, kind 1", "main", nullptr,
         "|上のなおしかたがちがうよ。|hatena1.bmp|つぎをやる|4|75", "····"},
        {"model answer", "kind 0", "giveup", nullptr, "|上のなおしかたがちがうよ。|hatena1.bmp|つぎをやる|4|75", "··８５"},
        {"next problem", "pose 48+37", "", nullptr, "||mascot.bmp|はんてい|4|75", "····"},
        {"given up", "", "giveup", nullptr, "||mascot.bmp|つぎをやる|5|60", "··８５"},
        {"put away", "", "putaway", nullptr, "||mascot.bmp|つぎをやる|5|60", "····"},
        {"next again", "giveup", "main", nullptr, "||mascot.bmp|はんてい|5|60", "····"},
        {"restart", "giveup", "restart", nullptr, "||mascot.bmp|はんてい||", "····"},
        {"right afresh", "pose 48+37, type A2 8, type A3 5, type N2 1", "main", nullptr,
         right + std::string("|maru1.bmp|つぎをやる|1|100"), "····"},
    };
    SessionScreen screen;
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        if (*step.events)
            screen.play(step.events);
        if (step.missing)
            EXPECT_TRUE(step.verdict.starts_with(pressWithout(screen, {step.missing}, step.press)));
        else if (*step.press)
            screen.play(step.press);
        EXPECT_EQ(verdict(screen.drawn), step.verdict);
        EXPECT_EQ(workedAnswer(screen.drawn), step.worked);
    }
    EXPECT_EQ(screen.sounds, (std::vector<std::string>{"maru1.wav", "batu1.wav", "batu1.wav", "maru1.wav", "maru1.wav",
                                                       "maru1.wav", "maru1.wav"}));
}

// A press that draws a problem it then cannot show leaves the run and the
// sheet as they were before it, so nothing unseen is ever judged; once the
// pictures are back it draws and shows a fresh problem. The pictures taken
// away: the mascot comes first, then the sign (たしざん is chosen), then the
// digits. The presses lead up to the last, which plays without them.
TEST(PracticeRun, AnUnshownProblemIsUndoneAndTheNextPressTriesAgain)
{
    const std::vector<std::string> digits{"n0.bmp", "n1.bmp", "n2.bmp", "n3.bmp", "n4.bmp",
                                          "n5.bmp", "n6.bmp", "n7.bmp", "n8.bmp", "n9.bmp"};
    const std::pair<const char*, const char*> presses[] = {{"", "main"}, {"main, giveup", "main"}, {"main", "restart"}};
    for (const std::vector<std::string>& missing : {std::vector<std::string>{"mascot.bmp"}, {"plus.bmp"}, digits})
        for (const auto& [leadUp, press] : presses) {
            SCOPED_TRACE(missing.front() + ": " + leadUp + ", " + press);
            SessionScreen screen;
            if (*leadUp)
                screen.play(leadUp);
            const std::int32_t drawnBefore = screen.session.Run().ProblemCount;
            pressWithout(screen, missing, press);
            EXPECT_FALSE(screen.drawn.workedAnswerShown);
            EXPECT_EQ(screen.drawn.phase, Phase::FirstTry);
            EXPECT_EQ(screen.session.Run().ProblemCount, std::string(press) == "restart" ? 1 : drawnBefore + 1);
            EXPECT_EQ(screen.drawn.mainCaption, MainCaption::Judge);
        }
}

// "おてほん" comes up with the worked answer of the problem given up, once
// every one of its pictures is read; without one it stays away, and the
// next press tries again. Pressed while it is up, it only comes forward.
TEST(PracticeRun, WorkedAnswerComesUpWholeOrNotAtAll)
{
    SessionScreen screen;
    screen.play("kind 1, pose 1010-11, without n1.bmp, giveup");
    EXPECT_EQ(screen.unreadable, std::vector<std::string>{"n1.bmp"});
    EXPECT_FALSE(screen.drawn.workedAnswerShown);
    EXPECT_EQ(verdict(screen.drawn), "||mascot.bmp|つぎをやる|1|0");
    screen.play("restore n1.bmp, giveup");
    EXPECT_EQ(DescribeView(screen.drawn).substr(DescribeView(screen.drawn).find("worked answer")),
              "worked answer: shown minus.bmp | · 9 0 | 1 0/ 1/ 0 | · · 1 1 | · 9 9 9\n"
              "effects: raise worked answer\n");
    const WorkedSum shown = screen.drawn.workedAnswer;
    screen.play("giveup");
    EXPECT_TRUE(screen.drawn.workedAnswerShown && screen.drawn.raiseWorkedAnswer);
    EXPECT_EQ(screen.drawn.workedAnswer, shown);
    EXPECT_EQ(screen.unreadable.size(), 1u);
}

} // namespace
