// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/DrillWindowsFixture.h"

#include "widgets/PictureBox.h"

#include <QLineEdit>
#include <QPushButton>

#include <functional>
#include <tuple>

namespace {

// Carries of 0 are never written; a digit lowered to 0 is. Only a subtraction
// strikes its upper digits, and only those that lent. Each face: notation,
// answer, sign, upper and lower digits, as ModelAnswer::face() gives them.
const std::tuple<Operation, std::int32_t, std::int32_t, QStringList> problems[] = {
    {Operation::Addition, 150, 50, {"·１·", "·２００", "plus", "· n1 n5 n0", "· · n5 n0"}},
    {Operation::Addition, 999, 1, {"·１１", "１０００", "plus", "· n9 n9 n9", "· · · n1"}},
    {Operation::Subtraction, 1010, 11, {"·９０", "·９９９", "minus", "n1 b0 b1 n0", "· · n1 n1"}},
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

// It comes up drawn; put away by "もどる" or the close box, or left
// minimised, the next "せいかいを見る" brings it back restored and in front.
TEST_F(ModelAnswer, ShowsTheWorkedSum)
{
    const std::function<void()> leave[] = {[this] { click(form2.Button1); }, [this] { form2.close(); },
                                           [this] { form2.showMinimized(); }};
    for (std::size_t row = 0; row < std::size(problems); ++row) {
        const auto& [operation, upper, lower, worked] = problems[row];
        SCOPED_TRACE(upper);
        pose(operation, upper, lower);
        click(form.Button14);
        EXPECT_EQ(face(), worked);
        leave[row % 3]();
        EXPECT_EQ(session.View().workedAnswerShown, row % 3 == 2);
        click(form.Button14);
        EXPECT_EQ(face(), worked);
        EXPECT_TRUE(form2.isVisible() && !form2.isMinimized());
        EXPECT_EQ(QGuiApplication::focusWindow(), form2.windowHandle());
    }
    EXPECT_TRUE(boxes.empty());
}

} // namespace
