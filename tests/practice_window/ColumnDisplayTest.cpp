#include "PracticeWindowTest.h"

#include <QLineEdit>

#include <array>

namespace {

// Picture files of the four columns, thousands to units; an empty name is a
// column the number does not reach, whose picture stays hidden.
using ColumnPictures = std::array<const char*, 4>;

struct DisplayCase {
    const char* label;
    std::int32_t operation;
    std::int32_t upper;
    std::int32_t lower;
    ColumnPictures upperPictures;
    ColumnPictures lowerPictures;
    const char* sign;
    friend void PrintTo(const DisplayCase& row, std::ostream* out) { *out << row.label; }
};

class ColumnDisplayTest : public PracticeWindowCaseTest<DisplayCase> {
protected:
    // A four-digit subtraction worked on and judged: a struck hundreds
    // digit, entries in two cells and both message lines written.
    void leaveAWorkedProblem()
    {
        showProblem(OPERATION_SUBTRACTION, 9876, 1234);
        carry(form.Button11, form.Image2);
        ASSERT_EQ(state.CrossedOut[1], STRUCK);
        click(form.Edit9);
        click(form.Edit14);
        click(form.SpeedButton1);
        ASSERT_FALSE(form.Edit8->text().isEmpty());
        ASSERT_FALSE(form.Edit9->text().isEmpty());
    }
};

void expectColumns(const std::array<PictureBox*, 4>& pictures, const ColumnPictures& expected)
{
    for (std::size_t column = 0; column < pictures.size(); ++column) {
        SCOPED_TRACE(pictures[column]->objectName().toStdString());
        const QString file = QString::fromLatin1(expected[column]);
        EXPECT_EQ(pictures[column]->isVisible(), !file.isEmpty());
        if (!file.isEmpty()) {
            EXPECT_EQ(pictures[column]->PictureFileName(), file);
        }
    }
}

TEST_P(ColumnDisplayTest, ShowsOnlyTheDigitsOfTheNewProblemOnACleanSheet)
{
    const DisplayCase& row = GetParam();
    leaveAWorkedProblem();
    ASSERT_FALSE(HasFatalFailure());

    showProblem(row.operation, row.upper, row.lower);

    expectColumns({form.Image1, form.Image2, form.Image3, form.Image4}, row.upperPictures);
    expectColumns({form.Image6, form.Image7, form.Image8, form.Image9}, row.lowerPictures);
    EXPECT_TRUE(form.Image5->isVisible());
    EXPECT_EQ(form.Image5->PictureFileName(), row.sign);
    EXPECT_EQ(form.Image10->PictureFileName(), "mascot.bmp");
    for (QLineEdit* cell : std::initializer_list<QLineEdit*>{form.Edit9, form.Edit10, form.Edit11, form.Edit12,
                                                              form.Edit14, form.Edit15, form.Edit16}) {
        EXPECT_TRUE(cell->isVisible()) << cell->objectName().toStdString();
        EXPECT_TRUE(cell->text().isEmpty()) << cell->objectName().toStdString();
    }
    EXPECT_TRUE(form.Edit8->text().isEmpty());
    EXPECT_TRUE(form.Edit13->text().isEmpty());
    EXPECT_TRUE(boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    PracticeWindow, ColumnDisplayTest,
    testing::Values(
        DisplayCase{"3 + 4", OPERATION_ADDITION, 3, 4, {"", "", "", "n3.bmp"}, {"", "", "", "n4.bmp"}, "plus.bmp"},
        DisplayCase{"47 + 8", OPERATION_ADDITION, 47, 8, {"", "", "n4.bmp", "n7.bmp"}, {"", "", "", "n8.bmp"},
                    "plus.bmp"},
        DisplayCase{"52 - 17", OPERATION_SUBTRACTION, 52, 17, {"", "", "n5.bmp", "n2.bmp"},
                    {"", "", "n1.bmp", "n7.bmp"}, "minus.bmp"},
        DisplayCase{"1000 - 1", OPERATION_SUBTRACTION, 1000, 1, {"n1.bmp", "n0.bmp", "n0.bmp", "n0.bmp"},
                    {"", "", "", "n1.bmp"}, "minus.bmp"},
        DisplayCase{"2905 + 3040", OPERATION_ADDITION, 2905, 3040, {"n2.bmp", "n9.bmp", "n0.bmp", "n5.bmp"},
                    {"n3.bmp", "n0.bmp", "n4.bmp", "n0.bmp"}, "plus.bmp"}));

struct MissingMascotCase {
    const char* label;
    // Problems worked and closed by "せいかいを見る" before the picture goes.
    int earlierProblems;
    const char* caption;
    const char* answerText;
    friend void PrintTo(const MissingMascotCase& row, std::ostream* out) { *out << row.label; }
};

using MissingMascotTest = PracticeWindowCaseTest<MissingMascotCase>;

// Without its picture the sum cannot be laid out: the problem is drawn and
// counted, but the sheet shows no digits and keeps what was written on it.
TEST_P(MissingMascotTest, DrawsTheProblemButLaysOutNothing)
{
    const MissingMascotCase& row = GetParam();
    for (int problem = 0; problem < row.earlierProblems; ++problem) {
        click(form.SpeedButton1);
        click(form.Edit12);
        click(form.Button14);
    }
    ASSERT_EQ(form.SpeedButton1->text(), row.caption);
    assets.remove("mascot.bmp");

    click(form.SpeedButton1);

    EXPECT_EQ(state.ProblemCount, row.earlierProblems + 1);
    EXPECT_EQ(state.Phase, PHASE_FIRST_TRY);
    for (const PictureBox* digit : {form.Image1, form.Image2, form.Image3, form.Image4, form.Image6, form.Image7,
                                    form.Image8, form.Image9})
        EXPECT_FALSE(digit->isVisible()) << digit->objectName().toStdString();
    EXPECT_EQ(form.Edit12->text(), row.answerText);
    EXPECT_EQ(form.SpeedButton1->text(), row.caption);
    const std::vector<std::pair<QString, QString>> expectedBoxes{
        {QStringLiteral("ぽろみんか"), QStringLiteral("ﾌｧｲﾙ mascot.bmp は開けません。")}};
    EXPECT_EQ(boxes, expectedBoxes);
}

INSTANTIATE_TEST_SUITE_P(PracticeWindow, MissingMascotTest,
                         testing::Values(MissingMascotCase{"first problem", 0, "はじめる", ""},
                                         MissingMascotCase{"after a problem", 1, "つぎをやる", "１"}));

} // namespace
