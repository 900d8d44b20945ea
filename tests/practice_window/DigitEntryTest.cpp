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

namespace {

using DigitEntry = DrillWindowsFixture;

// While the button is held the key keeps the pointer: nothing on the way
// lets go of the symbol, which lands on the first move over the cell after.
// Picked up by a click, it is let go over a bare background instead.
TEST_F(DigitEntry, BareBackgroundsLetGoOfAClickedSymbolButNotOfADraggedOne)
{
    const std::pair<QPoint, const QWidget*> backgrounds[] = {
        {at(form.Panel2, {180, 37}), form.Panel2}, {at(form.Panel1, {20, 20}), form.Panel1}, {{635, 330}, nullptr}};
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        SCOPED_TRACE(button);
        pose(Operation::Addition, 4321, 1234);
        QTest::mousePress(form.windowHandle(), button, {}, at(form.Button5));
        for (const auto& [point, under] : backgrounds) {
            ASSERT_EQ(form.childAt(point), under);
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
    for (const auto& [point, under] : backgrounds) {
        SCOPED_TRACE(under ? under->objectName().toStdString() : "window");
        click(form.Button5);
        moveTo(point);
        EXPECT_EQ(state.HeldDigit, NO_HELD);
        EXPECT_EQ(ScreenCursor(), crDefault);
        moveTo(at(form.Edit11));
        EXPECT_EQ(form.Edit11->text(), "");
        EXPECT_EQ(state.EnteredAnswer[2], 0);
    }
}

// Whatever is neither a cell, a strikable upper digit nor a bare background
// leaves the carried symbol alone; the last key pressed is the one carried.
TEST_F(DigitEntry, OtherControlsKeepTheSymbolCarried)
{
    pose(Operation::Addition, 4321, 1234);
    click(form.Button3);
    click(form.Button7);
    std::vector<std::pair<const QWidget*, QPoint>> places{{form.Panel3, at(form.Panel3, {4, 120})},
                                                          {form.Panel4, at(form.Panel4, {4, 140})}};
    for (const QWidget* control : std::initializer_list<const QWidget*>{
             form.Image4, form.Image5, form.Image7, form.Image10, form.Shape1, form.Edit8, form.SpeedButton1,
             form.Button14, form.Button3, form.Edit17, form.Label1, form.Button12, form.RadioGroup2})
        places.emplace_back(control, at(control));
    for (const auto& [control, point] : places) {
        SCOPED_TRACE(control->objectName().toStdString());
        const QWidget* hit = form.childAt(point);
        ASSERT_TRUE(hit == control || control->isAncestorOf(hit));
        moveTo(point);
        EXPECT_EQ(state.HeldDigit, 7);
        EXPECT_EQ(ScreenCursor(), crDrag);
    }
    moveTo(at(form.Edit12));
    EXPECT_EQ(form.Edit12->text(), "７");
    EXPECT_EQ(state.EnteredAnswer[3], 7);
    // Two pick-ups and one drop leave no drag pointer behind.
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

// Before the first problem every cell and digit is hidden; in 47 + 8 the
// upper number has no thousands or hundreds. There the panel shows through.
TEST_F(DigitEntry, ASymbolIsLetGoWhereNoDigitIsShown)
{
    const auto expectLetGo = [this](const QWidget* unshown, const QWidget* key) {
        SCOPED_TRACE(unshown->objectName().toStdString() + " " + key->objectName().toStdString());
        ASSERT_EQ(form.childAt(at(unshown)), form.Panel1);
        click(key);
        moveTo(at(unshown));
        EXPECT_EQ(state.HeldDigit, NO_HELD);
        EXPECT_EQ(ScreenCursor(), crDefault);
    };
    for (const QWidget* hidden : std::initializer_list<const QWidget*>{form.Edit12, form.Edit14, form.Image2})
        expectLetGo(hidden, form.Button5);
    EXPECT_EQ(state.EnteredAnswer, (DigitRow{0, 0, 0, 0}));
    EXPECT_EQ(state.EnteredMarks, (NotationRow{BLANK, BLANK, BLANK}));
    pose(Operation::Addition, 47, 8);
    for (const PictureBox* blank : {form.Image1, form.Image2})
        for (const KeypadKey* key : {form.Button5, form.Button11})
            expectLetGo(blank, key);
    EXPECT_EQ(state.CrossedOut, (NotationRow{0, 0, 0}));
}

} // namespace
