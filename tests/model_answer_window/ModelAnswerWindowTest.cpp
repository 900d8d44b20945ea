#include "DrillWindows.h"

#include "Panel.h"
#include "PictureBox.h"
#include "SpeedButton.h"

#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <functional>

namespace {

// What "おてほん" shows, cell by cell and picture by picture: the text of a
// shown cell, the file of a shown picture, "·" for anything hidden.
struct ModelAnswerFace {
    std::array<QString, 3> notation;
    std::array<QString, 4> answer;
    QString sign;
    std::array<QString, 4> upper;
    std::array<QString, 4> lower;

    bool operator==(const ModelAnswerFace&) const = default;
};

void PrintTo(const ModelAnswerFace& face, std::ostream* out)
{
    const auto row = [out](const auto& cells) {
        for (const QString& cell : cells)
            *out << ' ' << cell.toStdString();
        *out << " |";
    };
    row(face.notation);
    row(face.upper);
    *out << ' ' << face.sign.toStdString() << " |";
    row(face.lower);
    row(face.answer);
}

const QString hidden = QStringLiteral("·");

QString shown(const QLineEdit* cell)
{
    return cell->isVisible() ? cell->text() : hidden;
}

QString shown(const PictureBox* picture)
{
    return picture->isVisible() ? picture->PictureFileName() : hidden;
}

ModelAnswerFace faceOf(const TForm2& f)
{
    return {{shown(f.Edit1), shown(f.Edit2), shown(f.Edit3)},
            {shown(f.Edit4), shown(f.Edit5), shown(f.Edit6), shown(f.Edit7)},
            shown(f.Image5),
            {shown(f.Image1), shown(f.Image2), shown(f.Image3), shown(f.Image4)},
            {shown(f.Image6), shown(f.Image7), shown(f.Image8), shown(f.Image9)}};
}

class ModelAnswer : public DrillWindows {
protected:
    // Draws a problem with the main button, makes it the given one and asks
    // for its model answer.
    void showModelAnswerOf(std::int32_t operation, std::int32_t upper, std::int32_t lower)
    {
        click(form.SpeedButton1);
        pose(operation, upper, lower);
        click(form.Button14);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form2));
    }
};

TEST_F(ModelAnswer, Layout)
{
    EXPECT_EQ(form2.windowTitle(), QStringLiteral("おてほん"));
    const std::pair<QWidget*, QRect> placed[] = {
        {form2.Panel1, QRect(8, 8, 289, 209)},   {form2.Shape1, QRect(22, 120, 227, 4)},
        {form2.Button1, QRect(88, 176, 97, 25)},
    };
    for (const auto& [control, geometry] : placed)
        EXPECT_EQ(control->geometry(), geometry) << control->objectName().toStdString();
    const std::pair<QWidget*, QPoint> topLefts[] = {
        {form2.Edit1, {67, 5}},    {form2.Edit2, {112, 5}},   {form2.Edit3, {157, 5}},
        {form2.Image1, {67, 43}},  {form2.Image2, {112, 43}}, {form2.Image3, {157, 43}}, {form2.Image4, {202, 43}},
        {form2.Image5, {22, 82}},
        {form2.Image6, {67, 82}},  {form2.Image7, {112, 82}}, {form2.Image8, {157, 82}}, {form2.Image9, {202, 82}},
        {form2.Edit4, {67, 126}},  {form2.Edit5, {112, 126}}, {form2.Edit6, {157, 126}}, {form2.Edit7, {202, 126}},
    };
    for (const auto& [control, topLeft] : topLefts) {
        EXPECT_EQ(control->parentWidget(), form2.Panel1) << control->objectName().toStdString();
        EXPECT_EQ(control->pos(), topLeft) << control->objectName().toStdString();
    }
    EXPECT_EQ(form2.Button1->text(), QStringLiteral("もどる"));

    // Tab only ever reaches "もどる", and nothing pops up a tip.
    for (QWidget* control : form2.findChildren<QWidget*>()) {
        const bool tabStop = (control->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
        EXPECT_EQ(tabStop, control == form2.Button1) << control->objectName().toStdString();
        EXPECT_TRUE(control->toolTip().isEmpty()) << control->objectName().toStdString();
    }
    EXPECT_TRUE(form2.toolTip().isEmpty());
}

struct WorkedProblem {
    const char* name;
    std::int32_t operation;
    std::int32_t upper;
    std::int32_t lower;
    ModelAnswerFace face;
};

void PrintTo(const WorkedProblem& problem, std::ostream* out)
{
    *out << problem.name;
}

// 1010 − 11: the units borrow across the 0 of the tens and the 1 of the
// hundreds lends down to 0; the thousands, left at 0, is not marked.
const ModelAnswerFace thousandTenLessEleven{{"·", "９", "０"}, {"·", "９", "９", "９"}, "minus.bmp",
                                           {"n1.bmp", "b0.bmp", "b1.bmp", "n0.bmp"}, {"·", "·", "n1.bmp", "n1.bmp"}};

// Carries of 0 are never written; a digit lowered to 0 is. Only a subtraction
// strikes its upper digits, and only those that lent.
const WorkedProblem workedProblems[] = {
    {"150 + 50", OPERATION_ADDITION, 150, 50,
     {{"·", "１", "·"}, {"·", "２", "０", "０"}, "plus.bmp",
      {"·", "n1.bmp", "n5.bmp", "n0.bmp"}, {"·", "·", "n5.bmp", "n0.bmp"}}},
    {"48 + 37", OPERATION_ADDITION, 48, 37,
     {{"·", "·", "１"}, {"·", "·", "８", "５"}, "plus.bmp",
      {"·", "·", "n4.bmp", "n8.bmp"}, {"·", "·", "n3.bmp", "n7.bmp"}}},
    {"999 + 1", OPERATION_ADDITION, 999, 1,
     {{"·", "１", "１"}, {"１", "０", "０", "０"}, "plus.bmp",
      {"·", "n9.bmp", "n9.bmp", "n9.bmp"}, {"·", "·", "·", "n1.bmp"}}},
    {"1010 - 11", OPERATION_SUBTRACTION, 1010, 11, thousandTenLessEleven},
    {"305 - 8", OPERATION_SUBTRACTION, 305, 8,
     {{"·", "２", "９"}, {"·", "２", "９", "７"}, "minus.bmp",
      {"·", "b3.bmp", "b0.bmp", "n5.bmp"}, {"·", "·", "·", "n8.bmp"}}},
    {"2000 - 1", OPERATION_SUBTRACTION, 2000, 1,
     {{"１", "９", "９"}, {"１", "９", "９", "９"}, "minus.bmp",
      {"b2.bmp", "b0.bmp", "b0.bmp", "n0.bmp"}, {"·", "·", "·", "n1.bmp"}}},
    {"57 - 23", OPERATION_SUBTRACTION, 57, 23,
     {{"·", "·", "·"}, {"·", "·", "３", "４"}, "minus.bmp",
      {"·", "·", "n5.bmp", "n7.bmp"}, {"·", "·", "n2.bmp", "n3.bmp"}}},
    {"100 - 100", OPERATION_SUBTRACTION, 100, 100,
     {{"·", "·", "·"}, {"·", "·", "·", "０"}, "minus.bmp",
      {"·", "n1.bmp", "n0.bmp", "n0.bmp"}, {"·", "n1.bmp", "n0.bmp", "n0.bmp"}}},
};

class ModelAnswerOf : public ModelAnswer, public ::testing::WithParamInterface<WorkedProblem> {};

TEST_P(ModelAnswerOf, ShowsTheWorkedSum)
{
    const WorkedProblem& problem = GetParam();
    showModelAnswerOf(problem.operation, problem.upper, problem.lower);
    EXPECT_EQ(faceOf(form2), problem.face);
    EXPECT_TRUE(errorBoxes.empty());
}

INSTANTIATE_TEST_SUITE_P(Problems, ModelAnswerOf, ::testing::ValuesIn(workedProblems));

// The window is drawn when it comes up, not while it stays up: a second
// press of "せいかいを見る" leaves it as it was, and once put away by either
// way it is drawn afresh the next time.
TEST_F(ModelAnswer, DrawnEachTimeItComesUp)
{
    // Each way is tried with a problem of its own, told apart by its units.
    const struct {
        const char* way;
        std::function<void()> gesture;
        std::int32_t units;
    } putAway[] = {
        {"もどる", [this] { click(form2.Button1); }, 5},
        {"close box", [this] { form2.close(); }, 6},
    };
    showModelAnswerOf(OPERATION_ADDITION, 48, 37);
    ModelAnswerFace onScreen = faceOf(form2);
    for (const auto& [way, gesture, units] : putAway) {
        SCOPED_TRACE(way);
        pose(OPERATION_SUBTRACTION, 300 + units, 8);
        click(form.Button14);
        EXPECT_EQ(faceOf(form2), onScreen);

        const auto practice = StateFields(state);
        const QStringList face = practiceFace();
        gesture();
        EXPECT_FALSE(form2.isVisible());
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(StateFields(state), practice);
        EXPECT_EQ(practiceFace(), face);

        click(form.Button14);
        ASSERT_TRUE(form2.isVisible());
        EXPECT_NE(faceOf(form2), onScreen);
        EXPECT_EQ(form2.Image4->PictureFileName(), QStringLiteral("n%1.bmp").arg(units));
        onScreen = faceOf(form2);
    }
    EXPECT_TRUE(errorBoxes.empty());
}

TEST_F(ModelAnswer, MissingDigitPictureLeavesTheRestUndrawn)
{
    click(form.SpeedButton1);
    pose(OPERATION_SUBTRACTION, 1010, 11);
    assets.remove(QStringLiteral("n1.bmp"));
    click(form.Button14);

    // The thousands of the upper number is the first picture that needs n1.
    EXPECT_EQ(errorBoxes, (decltype(errorBoxes){{QStringLiteral("ぽろみんか"),
                                                 QStringLiteral("ﾌｧｲﾙ n1.bmp は開けません。")}}));
    EXPECT_TRUE(form2.isVisible());
    const ModelAnswerFace halfDrawn{{"·", "９", "０"}, {"·", "９", "９", "９"}, "minus.bmp",
                                    {"·", "·", "·", "·"}, {"·", "·", "·", "·"}};
    EXPECT_EQ(faceOf(form2), halfDrawn);

    // Pressing again while it is up changes nothing; bringing it up again
    // tries again.
    click(form.Button14);
    EXPECT_EQ(errorBoxes.size(), 1u);
    restoreAsset(QStringLiteral("n1.bmp"));
    click(form2.Button1);
    click(form.Button14);
    EXPECT_EQ(errorBoxes.size(), 1u);
    EXPECT_EQ(faceOf(form2), thousandTenLessEleven);
}

} // namespace
