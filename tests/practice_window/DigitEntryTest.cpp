// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/DrillWindowsFixture.h"

#include "platform/ScreenCursor.h"
#include "widgets/EntryCell.h"
#include "widgets/KeypadKey.h"
#include "widgets/Panel.h"
#include "widgets/PictureBox.h"
#include "widgets/RadioGroup.h"
#include "widgets/SpeedButton.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include <functional>
#include <map>
#include <tuple>
#include <vector>

namespace {

using DigitEntry = DrillWindowsFixture;

// While the button is held the key keeps the pointer: nothing on the way
// lets go of the symbol, which lands on the first move over the cell after.
TEST_F(DigitEntry, ADraggedSymbolIsCarriedPastBareBackgrounds)
{
    const QPoint backgrounds[] = {at(form.Panel2, {180, 37}), at(form.Panel1, {20, 20}), {635, 330}};
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        SCOPED_TRACE(button);
        pose(Operation::Addition, 4321, 1234);
        QTest::mousePress(form.windowHandle(), button, {}, at(form.Button5));
        for (const QPoint point : backgrounds) {
            moveTo(point);
            EXPECT_EQ(state.HeldDigit, 5);
            EXPECT_EQ(ScreenCursor(), crDrag);
        }
        moveTo(at(form.Edit10));
        EXPECT_EQ(form.Edit10->text(), "");
        QTest::mouseRelease(form.windowHandle(), button, {}, at(form.Edit10));
        moveTo(at(form.Edit10) + QPoint(1, 0));
        EXPECT_EQ(form.Edit10->text(), "５");
        EXPECT_EQ(state.EnteredAnswer[1], 5);
        EXPECT_EQ(state.HeldDigit, NO_HELD);
        EXPECT_EQ(ScreenCursor(), crDefault);
    }
}

// Picked up by a click, a symbol is let go over the bare problem and keypad
// panels and the window, and where no cell or digit is shown: before the
// first problem, and left of a short number (a slash too). Every other
// control and the bare settings and counter panels keep it carried; the last
// key pressed is the one carried.
TEST_F(DigitEntry, AClickedSymbolIsLetGoOverBareBackgroundsOnly)
{
    const auto stillCarried = [this](const QWidget* key, QPoint point) {
        click(form.Button3);
        click(key);
        moveTo(point);
        EXPECT_EQ(ScreenCursor(), state.HeldDigit == NO_HELD ? crDefault : crDrag);
        return state.HeldDigit != NO_HELD;
    };
    for (const QWidget* hidden : std::initializer_list<const QWidget*>{form.Edit12, form.Edit14, form.Image2})
        EXPECT_FALSE(stillCarried(form.Button5, at(hidden))) << hidden->objectName().toStdString();
    EXPECT_EQ(state.EnteredAnswer, (DigitRow{0, 0, 0, 0}));
    EXPECT_EQ(state.EnteredMarks, (NotationRow{BLANK, BLANK, BLANK}));
    pose(Operation::Addition, 47, 8);
    for (const PictureBox* blank : {form.Image1, form.Image2})
        for (const KeypadKey* key : {form.Button5, form.Button11})
            EXPECT_FALSE(stillCarried(key, at(blank))) << blank->objectName().toStdString();
    EXPECT_EQ(state.CrossedOut, (NotationRow{0, 0, 0}));

    pose(Operation::Addition, 4321, 1234);
    std::vector<std::tuple<const QWidget*, QPoint, bool>> places{
        {form.Panel3, at(form.Panel3, {4, 120}), true}, {form.Panel4, at(form.Panel4, {4, 140}), true},
        {form.Panel1, at(form.Panel1, {20, 20}), false}, {form.Panel2, at(form.Panel2, {180, 37}), false},
        {&form, {635, 330}, false}};
    for (const QWidget* control : std::initializer_list<const QWidget*>{
             form.Image4, form.Image5, form.Image7, form.Image10, form.Shape1, form.Edit8, form.SpeedButton1,
             form.Button14, form.Button3, form.Edit17, form.Label1, form.Button12, form.RadioGroup2})
        places.emplace_back(control, at(control), true);
    for (const auto& [control, point, carried] : places) {
        const QWidget* hit = form.childAt(point) ? form.childAt(point) : &form;
        ASSERT_TRUE(hit == control || control->isAncestorOf(hit)) << control->objectName().toStdString();
        EXPECT_EQ(stillCarried(form.Button7, point), carried) << control->objectName().toStdString();
    }
    click(form.Button7);
    moveTo(at(form.Edit12));
    EXPECT_EQ(form.Edit12->text(), "７");
    EXPECT_EQ(state.EnteredAnswer[3], 7);
    // Many pick-ups and one drop leave no drag pointer behind.
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// A slash carried onto an upper digit strikes it and a second restores it; a
// digit carried there is lost. A click strikes it whenever ひきざん is
// selected, whatever kind of problem is on screen; the units never lend.
TEST_F(DigitEntry, StrikingAnUpperDigit)
{
    pose(Operation::Addition, 5432, 1234);
    const struct { const char* what; const KeypadKey* key; const char* picture; std::int32_t crossedOut; } drops[] = {
        {"strike", form.Button11, "b4", STRUCK}, {"restore", form.Button11, "n4", 0}, {"digit", form.Button5, "n4", 0}};
    for (const auto& drop : drops) {
        SCOPED_TRACE(drop.what);
        carry(drop.key, form.Image2);
        EXPECT_EQ(files({form.Image2}), drop.picture);
        EXPECT_EQ(state.CrossedOut, (NotationRow{0, drop.crossedOut, 0}));
        EXPECT_EQ(state.HeldDigit, NO_HELD);
        EXPECT_EQ(ScreenCursor(), crDefault);
    }
    moveTo(at(form.Edit10));
    EXPECT_EQ(form.Edit10->text(), "");

    const struct { int kind; const char* pictures; std::int32_t crossedOut; } clicks[] = {{0, "n5 n2", 0},
                                                                                           {1, "b5 n2", STRUCK}};
    for (const auto& row : clicks) {
        SCOPED_TRACE(row.kind);
        selectKind(row.kind);
        click(form.Image1);
        click(form.Image4);
        EXPECT_EQ(files({form.Image1, form.Image4}), row.pictures);
        EXPECT_EQ(state.CrossedOut, (NotationRow{row.crossedOut, 0, 0}));
        click(form.Image1);
        EXPECT_EQ(files({form.Image1}), "n5");
    }
}

// Every press steps a cell: the left button forwards through empty, ０ … ９,
// empty, the others backwards; both presses of a double click count, and the
// right button opens no menu. The slash wipes a cell to 0, from where it
// steps like an untouched answer.
TEST_F(DigitEntry, EachPressStepsTheCell)
{
    const std::map<char, std::function<void(const EntryCell*)>> gestures{
        {'L', [this](const EntryCell* cell) { click(cell); }},
        {'R', [this](const EntryCell* cell) { click(cell, Qt::RightButton); }},
        {'M', [this](const EntryCell* cell) { click(cell, Qt::MiddleButton); }},
        {'D', [this](const EntryCell* cell) { QTest::mouseDClick(form.windowHandle(), Qt::LeftButton, {}, at(cell)); }},
        {'/', [this](const EntryCell* cell) { carry(form.Button11, cell); }},
    };
    const struct { const EntryCell* cell; const char* gestures; const char* text; std::int32_t value; } cases[] = {
        {form.Edit10, "L", "１", 1},  {form.Edit10, "R", "", BLANK},  {form.Edit10, "M", "", BLANK},
        {form.Edit10, "D", "２", 2},  {form.Edit10, "/", "", 0},      {form.Edit10, "/L", "１", 1},
        {form.Edit15, "L", "０", 0},  {form.Edit15, "R", "９", 9},    {form.Edit15, "M", "９", 9},
        {form.Edit15, "RL", "", BLANK}, {form.Edit15, "D", "１", 1},  {form.Edit15, "/", "", 0},
        {form.Edit15, "/L", "１", 1},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.cell->objectName().toStdString() + " " + row.gestures);
        pose(Operation::Addition, 4321, 1234);
        for (const char* gesture = row.gestures; *gesture; ++gesture)
            gestures.at(*gesture)(row.cell);
        EXPECT_EQ(row.cell->text(), row.text);
        EXPECT_EQ(row.cell == form.Edit10 ? state.EnteredAnswer[1] : state.EnteredMarks[1], row.value);
        EXPECT_EQ(state.HeldDigit, NO_HELD);
        for (const QWidget* top : QApplication::topLevelWidgets())
            EXPECT_FALSE(qobject_cast<const QMenu*>(top) && top->isVisible());
    }
}

} // namespace
