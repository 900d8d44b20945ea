// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/PracticeSession.h"
#include "mistakes/ProblemKind.h"
#include "tests/support/PaperRows.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// Writes an answer and notes into the cells as a child types them; a lowered
// digit's upper digit is struck by a click.
void write(PracticeSession& session, const std::string& answer, const std::string& notes)
{
    for (int column = 0; column < 4; ++column)
        if (answer[column] != '.')
            session.TypeDigit(AnswerCell(column), answer[column] - '0');
    for (int column = 0; column < 3; ++column)
        if (notes[column] != '.') {
            session.TypeDigit(NotationCell(column), notes[column] - '0');
            session.ClickUpperDigit(column);
        }
}

// A child who borrows without lowering, judged problem by problem with
// hints on, after one earlier first try of the same kind: the hint shows
// after a wrong answer once the misconception is named and the answer is its
// work, not after a right one or another wrong one; each problem's first
// judgement alone is told to the record.
TEST(Hints, FollowTheNamedMisconceptionOnly)
{
    using Row = const char*;
    // sum, answer, notes, first try told, hint shown
    const std::tuple<Row, Row, Row, bool, Row> steps[] = {
        {"61-5", "..66", "...", true, "かりたら 1 へらそう。"},
        {"61-5", "..56", "..5", false, ""},
        {"74-36", "..38", "..6", true, ""},
        {"82-35", "..57", "...", true, "かりたら 1 へらそう。"},
        {"82-35", "..99", "...", false, ""},
    };
    PracticeSession session(7);
    ExerciseState earlier = posed("143-28");
    earlier.EnteredAnswer = paperRow<4>(".125");
    session.RememberFirstTries({earlier});
    session.ChooseSettings({Range::UpTo100, CarryMode::Always, Operation::Subtraction});
    session.ShowHints(true);
    std::string posedSum;
    for (const auto& [sum, answer, notes, firstTry, hint] : steps) {
        SCOPED_TRACE(testing::Message() << sum << " " << answer);
        if (posedSum != sum) {
            const ExerciseState problem = posed(sum);
            session.PoseProblem(Operation::Subtraction, NumberIn(problem.TopDigits), NumberIn(problem.BottomDigits));
            posedSum = sum;
        }
        write(session, answer, notes);
        session.PressMainButton();
        EXPECT_EQ(session.View().firstTryJudged, firstTry);
        EXPECT_EQ(session.View().hint, hint);
    }
    session.ShowHints(false);
    session.PoseProblem(Operation::Subtraction, 52, 7);
    write(session, "..55", "...");
    session.PressMainButton();
    EXPECT_EQ(session.View().hint, "");
}

} // namespace
