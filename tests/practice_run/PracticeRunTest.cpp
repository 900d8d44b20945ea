// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/DrillWindowsFixture.h"

#include "platform/ApplicationHelp.h"
#include "platform/HelpViewer.h"
#include "widgets/EntryCell.h"
#include "widgets/KeypadKey.h"
#include "widgets/PictureBox.h"
#include "widgets/SpeedButton.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>

namespace {

const QString answerRight = "せいかい！";
const QString answerWrong = "こたえがちがうよ。";
const QString badNotation = "上のなおしかたがちがうよ。";

class PracticeRun : public DrillWindowsFixture {
protected:
    // 48 + 37 = 85, the units carrying 1 into the tens.
    void solveWithCarry(bool carryWritten)
    {
        pose(Operation::Addition, 48, 37);
        writeAnswer(85);
        if (carryWritten)
            carry(form.Button1, form.Edit16);
    }

    QStringList judge()
    {
        click(form.SpeedButton1);
        return practiceFace().first(6);
    }
};

// A problem right at the first judging scores; the notation is judged by the
// kind selected at judging, and the score is cut, not rounded.
TEST_F(PracticeRun, ScoresFirstTrySolutions)
{
    solveWithCarry(true);
    EXPECT_EQ(judge(), (QStringList{answerRight, "", "maru1.bmp", "つぎをやる", "1", "100"}));

    // A wrong answer leaves the problem open as written; judging it again
    // says the same and sounds again.
    pose(Operation::Addition, 26, 13);
    writeAnswer(38);
    EXPECT_EQ(judge(), (QStringList{answerWrong, "", "batu1.bmp", "はんてい", "1", "100"}));
    const QStringList judgedOnce = practiceFace();
    EXPECT_EQ(judgedOnce.mid(8, 2), (QStringList{"３", "８"}));
    click(form.SpeedButton1);
    EXPECT_EQ(practiceFace(), judgedOnce);
    carry(form.Button9, form.Edit12);
    EXPECT_EQ(judge(), (QStringList{answerRight, "", "maru1.bmp", "つぎをやる", "2", "50"}));

    solveWithCarry(false);
    EXPECT_EQ(judge(), (QStringList{"", badNotation, "hatena1.bmp", "つぎをやる", "3", "66"}));
    solveWithCarry(true);
    selectKind(1);
    EXPECT_EQ(judge(), (QStringList{"", badNotation, "hatena1.bmp", "つぎをやる", "4", "75"}));

    const std::pair<QString, bool> maru{"maru1.wav", true};
    const std::pair<QString, bool> batu{"batu1.wav", true};
    EXPECT_EQ(sounds, (decltype(sounds){maru, batu, batu, maru, maru, maru}));
    EXPECT_TRUE(boxes.empty());
}

// "せいかいを見る" changes nothing before the first problem, costs nothing
// after a right answer and gives an open problem up. The next problem and a
// restart put "おてほん" away; a restart counts afresh.
TEST_F(PracticeRun, ModelAnswerAndRestartMidRun)
{
    const auto untouched = StateFields(state);
    const QStringList face = practiceFace();
    click(form.Button14);
    EXPECT_EQ(StateFields(state), untouched);
    EXPECT_EQ(practiceFace(), face);
    EXPECT_FALSE(form2.isVisible());

    solveWithCarry(true);
    click(form.SpeedButton1);
    click(form.Button14);
    EXPECT_TRUE(form2.isVisible());
    EXPECT_EQ(practiceFace().first(6), (QStringList{answerRight, "", "maru1.bmp", "つぎをやる", "1", "100"}));

    pose(Operation::Subtraction, 305, 8);
    EXPECT_FALSE(form2.isVisible());
    click(form.Button14);
    EXPECT_EQ(practiceFace().first(6), (QStringList{"", "", "mascot.bmp", "つぎをやる", "2", "50"}));
    EXPECT_TRUE(form2.isVisible());
    EXPECT_EQ(texts({form2.Edit4, form2.Edit5, form2.Edit6, form2.Edit7}), "·２９７");
    click(form.SpeedButton1);
    EXPECT_FALSE(form2.isVisible());
    EXPECT_EQ(state.ProblemCount, 3);
    EXPECT_EQ(form.SpeedButton1->text(), "はんてい");

    click(form.Button14);
    ASSERT_TRUE(form2.isVisible());
    click(form.Button12);
    EXPECT_FALSE(form2.isVisible());
    EXPECT_EQ(practiceFace().first(6), (QStringList{"", "", "mascot.bmp", "はんてい", "", ""}));
    solveWithCarry(true);
    EXPECT_EQ(judge(), (QStringList{answerRight, "", "maru1.bmp", "つぎをやる", "1", "100"}));
}

// Help opens in one viewer, which says so itself when the file is missing.
TEST_F(PracticeRun, HelpOpensTheFileOfTheProgramDirectory)
{
    const QString helpFile = QString::fromStdString(state.ProgramDir) + "zumirano.hlp";

    assets.remove("zumirano.hlp");
    click(form.SpeedButton2);
    HelpViewer* viewer = ApplicationHelpViewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->browser()->toPlainText(), "ヘルプファイル " + helpFile + " がみつかりません。");

    restoreAsset("zumirano.hlp");
    for (int press = 0; press < 2; ++press) {
        SCOPED_TRACE(press);
        click(form.SpeedButton2);
        EXPECT_EQ(ApplicationHelpViewer(), viewer);
        EXPECT_EQ(ApplicationHelpFile(), helpFile);
        EXPECT_TRUE(viewer->isVisible());
        EXPECT_TRUE(viewer->browser()->toPlainText().startsWith("ぽろみんか の つかいかた"));
    }
    EXPECT_TRUE(boxes.empty());
}

// A result picture that cannot be read stops the judging before anything is
// played or counted; the same entries are judged once it is back.
TEST_F(PracticeRun, MissingResultPictureStopsTheJudging)
{
    const struct { const char* picture; std::int32_t answer; QStringList messages; const char *sound, *countAfter; }
        cases[] = {
        {"batu1.bmp", 84, {answerWrong, ""}, "batu1.wav", ""},
        {"maru1.bmp", 85, {answerRight, ""}, "maru1.wav", "1"},
        {"hatena1.bmp", 85, {"", badNotation}, "maru1.wav", "1"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.picture);
        boxes.clear();
        sounds.clear();
        click(form.Button12);
        pose(Operation::Addition, 48, 37);
        writeAnswer(row.answer);
        if (row.messages[1].isEmpty()) // the carry is written unless the notation is faulted
            carry(form.Button1, form.Edit16);
        assets.remove(row.picture);
        const auto beforeJudging = StateFields(state);

        EXPECT_EQ(judge(), row.messages + QStringList({"mascot.bmp", "はんてい", "", ""}));
        const QString box = QString("ﾌｧｲﾙ %1 は開けません。").arg(row.picture);
        EXPECT_EQ(boxes, (decltype(boxes){{"ぽろみんか", box}}));
        EXPECT_TRUE(sounds.empty());
        EXPECT_EQ(StateFields(state), beforeJudging);

        restoreAsset(row.picture);
        click(form.SpeedButton1);
        EXPECT_EQ(form.Image10->PictureFileName(), row.picture);
        EXPECT_EQ(sounds, (decltype(sounds){{row.sound, true}}));
        EXPECT_EQ(form.Edit17->text(), row.countAfter);
        EXPECT_EQ(boxes.size(), 1u);
    }
}

} // namespace
