// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/DrawingRules.h"
#include "engine/NewProblem.h"
#include "mistakes/MisconceivedWork.h"
#include "mistakes/ProblemKind.h"
#include "mistakes/Sighting.h"
#include "tests/support/PaperRows.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <tuple>

namespace {

// The examples a parent reads, and more, with what the child writes: the
// answer row and the notes ("-" where the habit cannot be written in the
// cells), and whether the problem exposes the habit at all.
TEST(MisconceivedWork, WritesWhatTheChildWrites)
{
    using Row = const char*;
    const std::tuple<Row, Row, Row, Row, bool> cases[] = {
        {"smaller-from-larger", "143-24", ".121", "...", true},
        {"borrow-no-decrement", "143-28", ".125", "...", true},
        {"borrow-from-zero", "1300-522", ".878", "..9", true},
        {"borrow-from-zero", "1000-1", "1099", "..9", true},
        {"borrow-stops-at-zero", "305-8", ".307", "...", true},
        {"borrow-stops-at-zero", "1300-522", ".788", ".2.", true},
        {"borrow-skips-zero", "305-8", ".207", ".2.", true},
        {"borrow-skips-zero", "1300-522", ".688", ".1.", true},
        {"borrow-skips-zero", "1005-16", "-", "-", false},
        {"zero-minus-n-is-n", "140-21", ".121", "...", true},
        {"zero-minus-n-is-n", "1000-1", "1001", "...", true},
        {"zero-minus-n-is-n", "305-8", ".297", ".29", false},
        {"n-minus-zero-is-zero", "57-30", "..20", "...", true},
        {"n-minus-zero-is-zero", "305-108", ".107", ".29", true},
        {"always-borrow", "57-23", "..24", "..4", true},
        {"always-borrow", "143-21", "..12", "..3", true},
        {"always-borrow", "9-3", "...6", "...", false},
        {"always-borrow", "100-1", "-", "-", false},
        {"carry-forgotten", "47+35", "..72", "...", true},
        {"carry-forgotten", "5+5", "...0", "...", true},
        {"column-sum-written", "47+35", ".712", "...", true},
        {"column-sum-written", "7+5", "..12", "...", false},
        {"column-sum-written", "5678+1234", "-", "-", false},
        {"carry-wrong-column", "147+235", ".472", ".1.", true},
        {"carry-wrong-column", "7+5", ".102", "...", true},
        {"carry-wrong-column", "456+789", "-", "-", false},
        {"carry-added-twice", "47+35", "..92", "..1", true},
        {"carry-added-twice", "999+1", "1110", ".11", true},
        {"carry-added-twice", "6448+2791", "-", "-", false},
        // The other operation is worked right.
        {"carry-forgotten", "143-28", ".115", "..3", false},
        {"smaller-from-larger", "47+35", "..82", "..1", false},
    };
    std::set<std::string> shown;
    for (const auto& [id, sum, answer, marks, exposes] : cases) {
        SCOPED_TRACE(testing::Message() << id << " " << sum);
        const Misconception* misconception = FindMisconception(id);
        ASSERT_NE(misconception, nullptr);
        shown.insert(id);
        const ExerciseState problem = posed(sum);
        const auto work = MisconceivedWork(*misconception, problem);
        ASSERT_EQ(work.has_value(), std::string(answer) != "-");
        if (work) {
            EXPECT_EQ(work->ExpectedAnswer, paperRow<4>(answer));
            EXPECT_EQ(work->ExpectedMarks, paperRow<3>(marks));
        }
        EXPECT_EQ(Exposes(*misconception, problem), exposes);
    }
    EXPECT_EQ(shown.size(), Misconceptions().size()) << "a misconception without an example";
}

// Worked by the right habits, every problem comes out as the worked answer
// the drill judges by: the walks that the wrong habits vary are sound.
TEST(MisconceivedWork, RightHabitsWorkAsTheWorkedAnswer)
{
    RandomSource random(19);
    for (const DrawingRule& rule : DrawingRules())
        for (int draw = 0; draw < 400; ++draw) {
            ExerciseState problem;
            const DrillSettings settings{static_cast<Range>(rule.range),
                                         static_cast<CarryMode>(rule.carryMode < 0 ? 0 : rule.carryMode), rule.operation};
            NewProblem(problem, settings, random);
            const auto work = rule.operation == Operation::Subtraction ? WorkByHabit(SubtractionHabit{}, problem)
                                                                       : WorkByHabit(AdditionHabit{}, problem);
            ASSERT_TRUE(work.has_value());
            ASSERT_EQ(std::tie(work->ExpectedAnswer, work->ExpectedMarks, work->TopDigits, work->BottomDigits),
                      std::tie(problem.ExpectedAnswer, problem.ExpectedMarks, problem.TopDigits, problem.BottomDigits))
                << NumberIn(problem.TopDigits) << " " << NumberIn(problem.BottomDigits);
        }
}

// A sighting is the child's answer and notes as the misconception writes
// them, judged as the drill judges: a lowered digit needs its stroke, an
// untouched answer cell passes for a leading blank, a note of 0 for none.
TEST(EvidenceOf, TakesTheAnswerAndTheNotes)
{
    using Row = const char*;
    const std::tuple<Row, Row, Row, Row, Row, bool> cases[] = {
        {"borrow-from-zero", "1300-522", ".878", "..9", "00x", true},
        {"borrow-from-zero", "1300-522", "0878", "..9", "00x", true},
        {"borrow-from-zero", "1300-522", ".878", "..9", "000", false},
        {"borrow-from-zero", "1300-522", ".878", "...", "000", false},
        {"borrow-from-zero", "1300-522", ".778", ".29", "0xx", false},
        {"carry-added-twice", "47+35", "..92", "..1", "000", true},
        {"carry-added-twice", "47+35", "..92", "...", "000", false},
        {"smaller-from-larger", "143-24", ".121", "..0", "000", true},
        {"smaller-from-larger", "143-24", ".119", "..3", "00x", false},
        {"column-sum-written", "7+5", "..12", "...", "000", false},
    };
    for (const auto& [id, sum, answer, marks, strikes, sighted] : cases) {
        SCOPED_TRACE(testing::Message() << id << " " << sum << " " << answer << " " << marks << " " << strikes);
        ExerciseState sheet = posed(sum);
        sheet.EnteredAnswer = paperRow<4>(answer);
        sheet.EnteredMarks = paperRow<3>(marks);
        sheet.CrossedOut = paperRow<3>(strikes);
        EXPECT_EQ(EvidenceOf(*FindMisconception(id), sheet).sighted, sighted);
    }
}

// The hint takes the practice window's second message line, twelve wide
// characters across: hiragana and "。", three bytes each in UTF-8, and the
// digits and spaces a first-grader reads, half as wide.
TEST(Misconceptions, HintsFitTheMessageLine)
{
    for (const Misconception& misconception : Misconceptions()) {
        const std::string_view hint = misconception.hint;
        SCOPED_TRACE(hint);
        std::size_t halfWidths = 0;
        for (std::size_t at = 0; at < hint.size();) {
            const std::string_view c = hint.substr(at, (hint[at] & 0x80) != 0 ? 3 : 1);
            const bool narrow = c == " " || (c >= "0" && c <= "9");
            EXPECT_TRUE(narrow || (c >= "ぁ" && c <= "ん") || c == "。") << "at byte " << at;
            halfWidths += narrow ? 1 : 2;
            at += c.size();
        }
        EXPECT_LE(halfWidths, 24U);
    }
}

} // namespace
