// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/DrillWindowsFixture.h"

#include "engine/WorkedAnswer.h"
#include "widgets/PictureBox.h"

#include <QLineEdit>
#include <QPushButton>

#include <functional>

namespace {

struct WorkedProblem {
    Operation operation;
    std::int32_t upper, lower;
    // Notation, answer, sign, upper and lower digits, as ModelAnswer::face() gives them.
    QStringList face;
};

// Carries of 0 are never written; a digit lowered to 0 is. Only a subtraction
// strikes its upper digits, and only those that lent.
const WorkedProblem problems[] = {
    {Operation::Addition, 150, 50, {"·１·", "·２００", "plus", "· n1 n5 n0", "· · n5 n0"}},
    {Operation::Addition, 48, 37, {"··１", "··８５", "plus", "· · n4 n8", "· · n3 n7"}},
    {Operation::Addition, 999, 1, {"·１１", "１０００", "plus", "· n9 n9 n9", "· · · n1"}},
    {Operation::Subtraction, 1010, 11, {"·９０", "·９９９", "minus", "n1 b0 b1 n0", "· · n1 n1"}},
    {Operation::Subtraction, 305, 8, {"·２９", "·２９７", "minus", "· b3 b0 n5", "· · · n8"}},
    {Operation::Subtraction, 57, 23, {"···", "··３４", "minus", "· · n5 n7", "· · n2 n3"}},
    {Operation::Subtraction, 100, 100, {"···", "···０", "minus", "· n1 n0 n0", "· n1 n0 n0"}},
};

class ModelAnswer : public DrillWindowsFixture {
protected:
    QStringList face() const
    {
        const TForm2& f = form2;
        return {texts({f.Edit1, f.Edit2, f.Edit3}), texts({f.Edit4, f.Edit5, f.Edit6, f.Edit7}), files({f.Image5}),
                files({f.Image1, f.Image2, f.Image3, f.Image4}), files({f.Image6, f.Image7, f.Image8, f.Image9})};
    }
};

TEST_F(ModelAnswer, ShowsTheWorkedSum)
{
    for (const WorkedProblem& problem : problems) {
        SCOPED_TRACE(problem.upper);
        pose(problem.operation, problem.upper, problem.lower);
        click(form.Button14);
        ASSERT_TRUE(form2.isVisible());
        EXPECT_EQ(face(), problem.face);
    }
    EXPECT_TRUE(boxes.empty());
}

// The window is drawn when it comes up, not while it stays up; put away
// either way, it is drawn afresh the next time.
TEST_F(ModelAnswer, DrawnEachTimeItComesUp)
{
    pose(Operation::Addition, 48, 37);
    click(form.Button14);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form2));
    const struct { const char* way; std::function<void()> putAway; std::int32_t upper; } ways[] = {
        {"もどる", [this] { click(form2.Button1); }, 305}, {"close box", [this] { form2.close(); }, 306}};
    for (const auto& [way, putAway, upper] : ways) {
        SCOPED_TRACE(way);
        const QStringList shown = face();
        PoseProblem(state, Operation::Subtraction, upper, 8);
        click(form.Button14);
        EXPECT_EQ(face(), shown);
        putAway();
        EXPECT_FALSE(form2.isVisible());
        click(form.Button14);
        EXPECT_EQ(files({form2.Image4}), QString("n%1").arg(upper % 10));
    }
    EXPECT_TRUE(boxes.empty());
}

// The thousands of 1010 is the first picture that needs n1.bmp: the texts are
// drawn, the pictures from there on are not, and the next showing tries again.
TEST_F(ModelAnswer, MissingDigitPictureLeavesTheRestUndrawn)
{
    pose(Operation::Subtraction, 1010, 11);
    assets.remove("n1.bmp");
    click(form.Button14);
    EXPECT_EQ(boxes, (decltype(boxes){{"ぽろみんか", "ﾌｧｲﾙ n1.bmp は開けません。"}}));
    EXPECT_TRUE(form2.isVisible());
    EXPECT_EQ(face(), (QStringList{"·９０", "·９９９", "minus", "· · · ·", "· · · ·"}));

    click(form.Button14);
    EXPECT_EQ(boxes.size(), 1u);
    restoreAsset("n1.bmp");
    click(form2.Button1);
    click(form.Button14);
    EXPECT_EQ(boxes.size(), 1u);
    EXPECT_EQ(face(), problems[3].face);
}

} // namespace
