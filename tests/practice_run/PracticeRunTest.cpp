#include "DrillWindows.h"

#include "EntryCell.h"
#include "PictureBox.h"
#include "SpeedButton.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

const QString judgeCaption = QStringLiteral("はんてい");
const QString nextCaption = QStringLiteral("つぎをやる");
const QString rightAnswer = QStringLiteral("せいかい！");
const QString wrongAnswer = QStringLiteral("こたえがちがうよ。");
const QString wrongNotation = QStringLiteral("上のなおしかたがちがうよ。");

using PracticeRun = DrillWindows;

TEST_F(PracticeRun, FirstTrySolutionsMakeTheScore)
{
    EXPECT_EQ(form.SpeedButton1->text(), QStringLiteral("はじめる"));
    click(form.SpeedButton1);
    EXPECT_EQ(form.SpeedButton1->text(), judgeCaption);
    EXPECT_EQ(state.ProblemCount, 1);

    // 48 + 37: the units carry one into the tens.
    pose(OPERATION_ADDITION, 48, 37);
    writeAnswer(85);
    writeMark(2, 1);
    EXPECT_EQ(form.Edit11->text(), QStringLiteral("８"));
    EXPECT_EQ(form.Edit12->text(), QStringLiteral("５"));
    EXPECT_EQ(form.Edit16->text(), QStringLiteral("１"));
    click(form.SpeedButton1);
    EXPECT_EQ(form.Edit8->text(), rightAnswer);
    EXPECT_EQ(form.Edit13->text(), QString());
    EXPECT_EQ(form.Image10->PictureFileName(), QStringLiteral("maru1.bmp"));
    EXPECT_EQ(sounds, (decltype(sounds){{QStringLiteral("maru1.wav"), true}}));
    EXPECT_EQ(form.SpeedButton1->text(), nextCaption);
    EXPECT_EQ(form.Edit17->text(), QStringLiteral("1"));
    EXPECT_EQ(form.Edit18->text(), QStringLiteral("100"));

    // The second problem is judged wrong once before it is put right.
    click(form.SpeedButton1);
    EXPECT_EQ(state.ProblemCount, 2);
    EXPECT_EQ(form.SpeedButton1->text(), judgeCaption);
    EXPECT_EQ(form.Edit12->text(), QString());
    pose(OPERATION_ADDITION, 26, 13);
    writeAnswer(38);
    click(form.SpeedButton1);
    EXPECT_EQ(form.Edit8->text(), wrongAnswer);
    EXPECT_EQ(form.SpeedButton1->text(), judgeCaption);
    EXPECT_EQ(form.Edit17->text(), QStringLiteral("1"));
    EXPECT_EQ(form.Edit18->text(), QStringLiteral("100"));
    EXPECT_EQ(form.Edit11->text(), QStringLiteral("３"));
    EXPECT_EQ(form.Edit12->text(), QStringLiteral("８"));
    carry(9, form.Edit12);
    click(form.SpeedButton1);
    EXPECT_EQ(form.Edit8->text(), rightAnswer);
    EXPECT_EQ(form.SpeedButton1->text(), nextCaption);
    EXPECT_EQ(form.Edit17->text(), QStringLiteral("2"));
    EXPECT_EQ(form.Edit18->text(), QStringLiteral("50"));

    // Two first-try solutions out of three score 66: the score is cut, not rounded.
    click(form.SpeedButton1);
    pose(OPERATION_ADDITION, 5, 4);
    writeAnswer(9);
    click(form.SpeedButton1);
    EXPECT_EQ(form.Edit17->text(), QStringLiteral("3"));
    EXPECT_EQ(form.Edit18->text(), QStringLiteral("66"));
    EXPECT_TRUE(errorBoxes.empty());
}

// One problem judged once: what the child wrote, the operation selected when
// the main button is pressed, and what the window answers.
struct JudgingCase {
    const char* name;
    std::int32_t operation;
    std::int32_t upper;
    std::int32_t lower;
    std::int32_t answer;
    NotationRow marks; // BLANK: nothing written above that column
    std::array<bool, 3> struck;
    int judgedKind;    // "しゅるい" item selected at judging
    const char* answerMessage;
    const char* notationMessage;
    const char* picture;
    const char* sound;
    bool solved;
};

void PrintTo(const JudgingCase& c, std::ostream* out)
{
    *out << c.name;
}

constexpr int addition = 0;
constexpr int subtraction = 1;
constexpr NotationRow noMarks{BLANK, BLANK, BLANK};
constexpr std::array<bool, 3> noStrikes{false, false, false};

// 48 + 37 carries 1 into the tens; in 52 − 17 the tens lend to the units and
// drop to 4; in 305 − 8 the units borrow across the 0 of the tens.
const JudgingCase judgingCases[] = {
    {"carry written", OPERATION_ADDITION, 48, 37, 85, {BLANK, BLANK, 1}, noStrikes, addition,
     "せいかい！", "", "maru1.bmp", "maru1.wav", true},
    {"carry left out", OPERATION_ADDITION, 48, 37, 85, noMarks, noStrikes, addition,
     "", "上のなおしかたがちがうよ。", "hatena1.bmp", "maru1.wav", true},
    {"lending written and struck", OPERATION_SUBTRACTION, 52, 17, 35, {BLANK, BLANK, 4}, {false, false, true},
     subtraction, "せいかい！", "", "maru1.bmp", "maru1.wav", true},
    {"lowered digit written but not struck", OPERATION_SUBTRACTION, 52, 17, 35, {BLANK, BLANK, 4}, noStrikes,
     subtraction, "", "上のなおしかたがちがうよ。", "hatena1.bmp", "maru1.wav", true},
    {"lending across a zero", OPERATION_SUBTRACTION, 305, 8, 297, {BLANK, 2, 9}, {false, true, true},
     subtraction, "せいかい！", "", "maru1.bmp", "maru1.wav", true},
    {"the hundreds not struck", OPERATION_SUBTRACTION, 305, 8, 297, {BLANK, 2, 9}, {false, false, true},
     subtraction, "", "上のなおしかたがちがうよ。", "hatena1.bmp", "maru1.wav", true},
    {"wrong answer, notation right", OPERATION_SUBTRACTION, 52, 17, 34, {BLANK, BLANK, 4}, {false, false, true},
     subtraction, "こたえがちがうよ。", "", "batu1.bmp", "batu1.wav", false},
    {"wrong answer and notation", OPERATION_ADDITION, 48, 37, 84, noMarks, noStrikes, addition,
     "こたえがちがうよ。", "上のなおしかたがちがうよ。", "batu1.bmp", "batu1.wav", false},
    // The operation selected at judging decides the notation rule, not the
    // one that drew the problem.
    {"carry judged as ひきざん", OPERATION_ADDITION, 48, 37, 85, {BLANK, BLANK, 1}, noStrikes, subtraction,
     "", "上のなおしかたがちがうよ。", "hatena1.bmp", "maru1.wav", true},
    {"unstruck lending judged as たしざん", OPERATION_SUBTRACTION, 52, 17, 35, {BLANK, BLANK, 4}, noStrikes,
     addition, "せいかい！", "", "maru1.bmp", "maru1.wav", true},
};

class JudgingOneProblem : public DrillWindows, public ::testing::WithParamInterface<JudgingCase> {};

TEST_P(JudgingOneProblem, ShowsPlaysAndCounts)
{
    const JudgingCase& c = GetParam();
    selectKind(c.operation == OPERATION_SUBTRACTION ? subtraction : addition);
    click(form.SpeedButton1);
    pose(c.operation, c.upper, c.lower);
    writeAnswer(c.answer);
    for (int column = 0; column < 3; ++column) {
        if (c.marks[column] != BLANK)
            writeMark(column, c.marks[column]);
        if (c.struck[column])
            strike(column);
    }
    selectKind(c.judgedKind);
    click(form.SpeedButton1);

    EXPECT_EQ(form.Edit8->text(), QString::fromUtf8(c.answerMessage));
    EXPECT_EQ(form.Edit13->text(), QString::fromUtf8(c.notationMessage));
    EXPECT_EQ(form.Image10->PictureFileName(), QString::fromUtf8(c.picture));
    EXPECT_EQ(sounds, (decltype(sounds){{QString::fromUtf8(c.sound), true}}));
    EXPECT_TRUE(errorBoxes.empty());
    if (c.solved) {
        EXPECT_EQ(form.SpeedButton1->text(), nextCaption);
        EXPECT_EQ(state.Phase, PHASE_CLOSED);
        EXPECT_EQ(form.Edit17->text(), QStringLiteral("1"));
        EXPECT_EQ(form.Edit18->text(), QStringLiteral("100"));
        return;
    }
    // A wrong answer leaves the problem open with the entries as written;
    // judging it again says the same and sounds again.
    EXPECT_EQ(form.SpeedButton1->text(), judgeCaption);
    EXPECT_EQ(state.Phase, PHASE_RETRYING);
    EXPECT_EQ(form.Edit17->text(), QString());
    EXPECT_EQ(form.Edit18->text(), QString());
    const QStringList judgedOnce = practiceFace();
    click(form.SpeedButton1);
    EXPECT_EQ(practiceFace(), judgedOnce);
    EXPECT_EQ(sounds, (decltype(sounds){{QString::fromUtf8(c.sound), true}, {QString::fromUtf8(c.sound), true}}));
    EXPECT_EQ(state.FirstTryCount, 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, JudgingOneProblem, ::testing::ValuesIn(judgingCases));

TEST_F(PracticeRun, ModelAnswerGivesUpTheOpenProblem)
{
    click(form.SpeedButton1);
    pose(OPERATION_ADDITION, 999, 1);
    writeAnswer(1000);
    writeMark(1, 1);
    writeMark(2, 1);
    click(form.SpeedButton1);
    ASSERT_EQ(form.Edit18->text(), QStringLiteral("100"));

    // Looking at the model answer of a solved problem costs nothing.
    click(form.Button14);
    EXPECT_TRUE(form2.isVisible());
    EXPECT_EQ(form.SpeedButton1->text(), nextCaption);
    EXPECT_EQ(form.Edit17->text(), QStringLiteral("1"));
    EXPECT_EQ(form.Edit18->text(), QStringLiteral("100"));
    EXPECT_EQ(form2.Edit2->text(), QStringLiteral("１"));
    EXPECT_EQ(form2.Edit3->text(), QStringLiteral("１"));
    EXPECT_EQ(form2.Edit4->text() + form2.Edit5->text() + form2.Edit6->text() + form2.Edit7->text(),
              QStringLiteral("１０００"));

    // The next problem puts the model answer away.
    selectKind(subtraction);
    click(form.SpeedButton1);
    EXPECT_FALSE(form2.isVisible());
    EXPECT_EQ(state.ProblemCount, 2);
    pose(OPERATION_SUBTRACTION, 305, 8);
    writeAnswer(307);
    click(form.SpeedButton1);
    ASSERT_EQ(state.Phase, PHASE_RETRYING);

    // Giving up on it closes it unsolved and shows how it is done.
    click(form.Button14);
    EXPECT_EQ(state.Phase, PHASE_CLOSED);
    EXPECT_EQ(form.SpeedButton1->text(), nextCaption);
    EXPECT_EQ(form.Edit17->text(), QStringLiteral("2"));
    EXPECT_EQ(form.Edit18->text(), QStringLiteral("50"));
    ASSERT_TRUE(form2.isVisible());
    EXPECT_EQ(form2.Edit2->text(), QStringLiteral("２"));
    EXPECT_EQ(form2.Edit3->text(), QStringLiteral("９"));
    EXPECT_EQ(form2.Image2->PictureFileName(), QStringLiteral("b3.bmp"));
    EXPECT_EQ(form2.Image3->PictureFileName(), QStringLiteral("b0.bmp"));
    EXPECT_EQ(form2.Image4->PictureFileName(), QStringLiteral("n5.bmp"));
    EXPECT_FALSE(form2.Edit4->isVisible());
    EXPECT_EQ(form2.Edit5->text() + form2.Edit6->text() + form2.Edit7->text(), QStringLiteral("２９７"));

    click(form.SpeedButton1);
    EXPECT_FALSE(form2.isVisible());
    EXPECT_EQ(state.ProblemCount, 3);
    EXPECT_EQ(state.Phase, PHASE_FIRST_TRY);
    EXPECT_EQ(form.SpeedButton1->text(), judgeCaption);
    EXPECT_TRUE(errorBoxes.empty());
}

TEST_F(PracticeRun, RestartWithTheModelAnswerOpen)
{
    click(form.SpeedButton1);
    pose(OPERATION_ADDITION, 48, 37);
    writeAnswer(85);
    writeMark(2, 1);
    click(form.SpeedButton1);
    click(form.SpeedButton1);
    click(form.Button14);
    ASSERT_TRUE(form2.isVisible());
    ASSERT_EQ(form.Edit17->text(), QStringLiteral("2"));

    click(form.Button12);
    EXPECT_FALSE(form2.isVisible());
    EXPECT_EQ(form.Edit17->text(), QString());
    EXPECT_EQ(form.Edit18->text(), QString());
    EXPECT_EQ(state.ProblemCount, 1);
    EXPECT_EQ(state.FirstTryCount, 0);
    EXPECT_EQ(state.Phase, PHASE_FIRST_TRY);
    EXPECT_EQ(form.SpeedButton1->text(), judgeCaption);

    pose(OPERATION_ADDITION, 26, 13);
    writeAnswer(39);
    click(form.SpeedButton1);
    EXPECT_EQ(form.Edit17->text(), QStringLiteral("1"));
    EXPECT_EQ(form.Edit18->text(), QStringLiteral("100"));
    EXPECT_TRUE(errorBoxes.empty());
}

TEST_F(PracticeRun, BeforeTheFirstProblem)
{
    // With nothing drawn yet there is no model answer to show and no score.
    const auto untouched = StateFields(state);
    const QStringList face = practiceFace();
    click(form.Button14);
    EXPECT_EQ(StateFields(state), untouched);
    EXPECT_EQ(practiceFace(), face);
    EXPECT_EQ(form.SpeedButton1->text(), QStringLiteral("はじめる"));
    EXPECT_FALSE(form2.isVisible());
    EXPECT_TRUE(errorBoxes.empty());

    // "はじめから" starts a run from here too.
    click(form.Button12);
    EXPECT_EQ(state.ProblemCount, 1);
    EXPECT_EQ(state.Phase, PHASE_FIRST_TRY);
    EXPECT_EQ(form.SpeedButton1->text(), judgeCaption);
    EXPECT_TRUE(form.Edit12->isVisible());
}

} // namespace
