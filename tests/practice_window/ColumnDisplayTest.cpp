// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/DrillWindowsFixture.h"

#include "widgets/EntryCell.h"
#include "widgets/KeypadKey.h"
#include "widgets/PictureBox.h"
#include "widgets/SpeedButton.h"

namespace {

using ColumnDisplay = DrillWindowsFixture;

// Each problem comes onto a worked sheet (a struck hundreds digit, entries,
// both messages) and shows only its own digits on empty cells.
TEST_F(ColumnDisplay, ShowsOnlyTheDigitsOfTheNewProblemOnACleanSheet)
{
    // The upper number, the sign, the lower number and the result picture.
    const struct { Operation operation; std::int32_t upper, lower; const char* pictures; } problems[] = {
        {Operation::Addition, 3, 4, "· · · n3 plus · · · n4 mascot"},
        {Operation::Addition, 47, 8, "· · n4 n7 plus · · · n8 mascot"},
        {Operation::Subtraction, 1000, 1, "n1 n0 n0 n0 minus · · · n1 mascot"},
        {Operation::Addition, 2905, 3040, "n2 n9 n0 n5 plus n3 n0 n4 n0 mascot"},
    };
    for (const auto& row : problems) {
        SCOPED_TRACE(row.upper);
        pose(Operation::Subtraction, 9876, 1234);
        carry(form.Button11, form.Image2);
        click(form.Edit9);
        click(form.Edit14);
        click(form.Edit14);
        click(form.SpeedButton1);
        ASSERT_EQ(files({form.Image2}), "b8");
        ASSERT_EQ(texts({form.Edit8, form.Edit13}), "こたえがちがうよ。上のなおしかたがちがうよ。");

        pose(row.operation, row.upper, row.lower);
        EXPECT_EQ(files({form.Image1, form.Image2, form.Image3, form.Image4, form.Image5, form.Image6, form.Image7,
                         form.Image8, form.Image9, form.Image10}),
                  row.pictures);
        EXPECT_EQ(texts({form.Edit8, form.Edit13, form.Edit9, form.Edit10, form.Edit11, form.Edit12, form.Edit14,
                         form.Edit15, form.Edit16}),
                  "");
    }
    EXPECT_TRUE(boxes.empty());
}

} // namespace
