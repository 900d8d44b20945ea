// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/DrillWindowsFixture.h"

#include "widgets/EntryCell.h"
#include "widgets/PictureBox.h"
#include "widgets/SpeedButton.h"

#include <QPushButton>
#include <QRegularExpression>

namespace {

struct Named {
    const char* name;
    const char* value;
};

void PrintTo(const Named& named, std::ostream* out)
{
    *out << named.name;
}

// The pictures taken away, and the clicks that bring the run to the press,
// then the press: S the main button, 4 "せいかいを見る", R "はじめから".
class UnshownProblem : public DrillWindowsFixture, public testing::WithParamInterface<std::tuple<Named, Named>> {
protected:
    QWidget* control(char key) const
    {
        return key == 'S' ? static_cast<QWidget*>(form.SpeedButton1) : key == '4' ? form.Button14 : form.Button12;
    }

    // Verdict, caption, counters, entries and every picture of the sheet.
    QStringList sheet() const
    {
        return practiceFace()
            << files({form.Image1, form.Image2, form.Image3, form.Image4, form.Image5, form.Image6, form.Image7,
                      form.Image8, form.Image9, form.Image10})
            << texts({form.Edit9, form.Edit10, form.Edit11, form.Edit12, form.Edit14, form.Edit15, form.Edit16});
    }
};

// A press that draws a problem it then cannot show leaves the run and the
// sheet as they were before the press, so nothing unseen is ever judged, and
// pressed again it tries again; once the pictures are back it draws and
// shows a fresh problem.
TEST_P(UnshownProblem, ThePressIsUndoneAndTheNextTriesAgain)
{
    const QStringList missing = QString(std::get<0>(GetParam()).value).split(u' ');
    const QString flow = std::get<1>(GetParam()).value;
    for (const QChar key : flow.section(u'|', 0, 0))
        click(control(key.toLatin1()));
    QWidget* const press = control(flow.back().toLatin1());
    const auto before = StateFields(state);
    const QStringList face = sheet();
    for (const QString& file : missing)
        assets.remove(file);
    const QRegularExpression box("^ﾌｧｲﾙ (" + missing.join(u'|') + ") は開けません。$");

    for (std::size_t presses = 1; presses <= 2; ++presses) {
        click(press);
        EXPECT_EQ(sheet(), face);
        EXPECT_EQ(StateFields(state), before);
        EXPECT_TRUE(sounds.empty());
        ASSERT_EQ(boxes.size(), presses);
        EXPECT_TRUE(box.match(boxes.back().second).hasMatch()) << boxes.back().second.toStdString();
    }
    for (const QString& file : missing)
        restoreAsset(file);
    click(press);
    EXPECT_EQ(boxes.size(), 2u);
    EXPECT_EQ(state.Phase, Phase::FirstTry);
    EXPECT_EQ(state.ProblemCount, press == form.Button12 ? 1 : std::get<3>(before) + 1);
    EXPECT_EQ(form.SpeedButton1->text(), "はんてい");
    EXPECT_TRUE(form.Image5->isVisible() && form.Edit12->isVisible());
}

// The mascot comes first, then the sign (たしざん is selected), then digits.
const Named missingPictures[] = {
    {"mascot", "mascot.bmp"},
    {"sign", "plus.bmp"},
    {"digits", "n0.bmp n1.bmp n2.bmp n3.bmp n4.bmp n5.bmp n6.bmp n7.bmp n8.bmp n9.bmp"},
};
const Named flows[] = {{"first", "|S"}, {"next", "S4|S"}, {"restart", "S|R"}};

INSTANTIATE_TEST_SUITE_P(Table, UnshownProblem,
                         testing::Combine(testing::ValuesIn(missingPictures), testing::ValuesIn(flows)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name;
                         });

} // namespace
