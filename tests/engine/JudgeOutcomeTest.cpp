#include "JudgeOutcome.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(PresentationFor, ShowsAndPlaysWhatEachVerdictEarns)
{
    struct Shown {
        Judgement judgement;
        JudgeOutcome outcome;
        std::string answerMessage;
        std::string notationMessage;
        std::string picture;
        std::string sound;
    };
    const Shown cases[] = {
        {{true, true}, JudgeOutcome::Correct, "せいかい！", "", "maru1.bmp", "maru1.wav"},
        {{true, false}, JudgeOutcome::MarksWrong, "", "上のなおしかたがちがうよ。", "hatena1.bmp", "maru1.wav"},
        {{false, true}, JudgeOutcome::AnswerWrong, "こたえがちがうよ。", "", "batu1.bmp", "batu1.wav"},
        {{false, false}, JudgeOutcome::AnswerWrong, "こたえがちがうよ。", "上のなおしかたがちがうよ。", "batu1.bmp",
         "batu1.wav"},
    };
    for (const Shown& shown : cases) {
        SCOPED_TRACE(std::string("answer ") + (shown.judgement.AnswerRight ? "right" : "wrong") + ", notation "
                     + (shown.judgement.MarksRight ? "right" : "wrong"));
        const OutcomePresentation& presentation = PresentationFor(shown.judgement);
        EXPECT_EQ(presentation.outcome, shown.outcome);
        EXPECT_EQ(presentation.answerMessage, shown.answerMessage);
        EXPECT_EQ(presentation.notationMessage, shown.notationMessage);
        EXPECT_EQ(presentation.pictureFile, shown.picture);
        EXPECT_EQ(presentation.soundFile, shown.sound);
    }
}

} // namespace
