// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/DrillWindowsFixture.h"

#include "platform/ApplicationHelp.h"
#include "platform/HelpViewer.h"
#include "widgets/EntryCell.h"
#include "widgets/KeypadKey.h"
#include "widgets/PictureBox.h"
#include "widgets/SpeedButton.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>

#include <map>
#include <string>

namespace {

const QString answerRight = "せいかい！";
const QString answerWrong = "こたえがちがうよ。";
const QString badMarks = "上のなおしかたがちがうよ。";

class PracticeRun : public DrillWindowsFixture {
protected:
    // S the main button, 4 "せいかいを見る", R "はじめから".
    const QWidget* control(char key) const
    {
        const std::map<char, const QWidget*> controls{
            {'S', form.SpeedButton1}, {'4', form.Button14}, {'R', form.Button12}};
        return controls.at(key);
    }

    // Verdict, caption, counters, entries and every picture of the sheet.
    QStringList sheet() const
    {
        return practiceFace()
            << files({form.Image1, form.Image2, form.Image3, form.Image4, form.Image5, form.Image6, form.Image7,
                      form.Image8, form.Image9, form.Image10})
            << texts({form.Edit9, form.Edit10, form.Edit11, form.Edit12, form.Edit14, form.Edit15, form.Edit16});
    }

    // Takes the files away and presses twice, then brings them back and
    // presses once more. While they are missing each press shows one box
    // naming one of them, plays nothing and leaves the run and the sheet as
    // they were, but for the verdict's words, which are written first.
    // The session's view without the verdict's words and the press's own
    // effects.
    std::string run() const
    {
        SessionView view = session.View();
        view.answerMessage = view.notationMessage = Message::None;
        view.workedAnswerShown = view.raiseWorkedAnswer = false;
        view.unreadableFile.clear();
        return DescribeView(view);
    }

    void pressWithout(const QStringList& missing, const QWidget* press)
    {
        const std::string before = run();
        const QStringList face = sheet().mid(2);
        const std::size_t boxesBefore = boxes.size(), soundsBefore = sounds.size();
        for (const QString& file : missing)
            assets.remove(file);
        const QRegularExpression box("^ﾌｧｲﾙ (" + missing.join(u'|') + ") は開けません。$");
        for (std::size_t presses = 1; presses <= 2; ++presses) {
            click(press);
            EXPECT_EQ(sheet().mid(2), face);
            EXPECT_EQ(run(), before);
            EXPECT_EQ(sounds.size(), soundsBefore);
            ASSERT_EQ(boxes.size(), boxesBefore + presses);
            EXPECT_TRUE(box.match(boxes.back().second).hasMatch()) << boxes.back().second.toStdString();
        }
        for (const QString& file : missing)
            restoreAsset(file);
        click(press);
        EXPECT_EQ(boxes.size(), boxesBefore + 2);
    }
};

// One run through the window, step by step: each step may pose 48 + 37
// afresh, write an answer (0: none) and the carry of the units into the
// tens, select the kind and press, the last press perhaps with a result
// picture missing at first; then come the verdict as shown (both messages,
// result picture, main caption, the two counters) and the answer row of
// "おてほん", all hidden ("····") while it is put away. Each judgement plays
// its sound once its picture shows. (The rules of the run are the
// session's, and tested there.)
TEST_F(PracticeRun, ShowsEachVerdictAndPlaysItsSound)
{
    const struct { const char* what; bool posed; std::int32_t answer; bool carried; int kind; const char* presses;
                   const char* missing; QStringList verdict; const char* modelAnswer; } steps[] = {
        {"nothing to give up", false, 0, false, 0, "4", nullptr, {"", "", "", "はじめる", "", ""}, "····"},
        {"right", true, 85, true, 0, "S", "maru1.bmp", {answerRight, "", "maru1.bmp", "つぎをやる", "1", "100"}, "····"},
        {"wrong", true, 84, true, 0, "S", "batu1.bmp", {answerWrong, "", "batu1.bmp", "はんてい", "1", "100"}, "····"},
        {"as ひきざん", false, 5, false, 1, "S", "hatena1.bmp", {"", badMarks, "hatena1.bmp", "つぎをやる", "2", "50"}, "····"},
        {"model answer", false, 0, false, 0, "4", nullptr, {"", badMarks, "hatena1.bmp", "つぎをやる", "2", "50"}, "··８５"},
        {"next problem", false, 0, false, 0, "S", nullptr, {"", "", "mascot.bmp", "はんてい", "2", "50"}, "····"},
        {"restart", false, 0, false, 0, "4R", nullptr, {"", "", "mascot.bmp", "はんてい", "", ""}, "····"},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        selectKind(step.kind);
        if (step.posed)
            pose(Operation::Addition, 48, 37);
        if (step.answer > 0)
            writeAnswer(step.answer);
        if (step.carried)
            carry(form.Button1, form.Edit16);
        for (const char* key = step.presses; *key; ++key) {
            if (step.missing && !key[1])
                pressWithout({step.missing}, control(*key));
            else
                click(control(*key));
        }
        EXPECT_EQ(practiceFace().first(6), step.verdict);
        EXPECT_EQ(texts({form2.Edit4, form2.Edit5, form2.Edit6, form2.Edit7}), step.modelAnswer);
    }
    const std::pair<QString, bool> maru{"maru1.wav", true}, batu{"batu1.wav", true};
    EXPECT_EQ(sounds, (SoundRequests{maru, batu, maru}));
    EXPECT_EQ(boxes.size(), 6u);
}

// The help button opens zumirano.hlp of the program directory. (That it
// comes up in the one viewer however often it is asked for is a test of the
// help viewer's own.)
TEST_F(PracticeRun, HelpOpensTheFileOfTheProgramDirectory)
{
    click(form.SpeedButton2);
    const HelpViewer* viewer = ApplicationHelpViewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(ApplicationHelpFile(), QDir::currentPath() + "/zumirano.hlp");
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_TRUE(viewer->browser()->toPlainText().startsWith("ぽろみんか の つかいかた"));
}

} // namespace
