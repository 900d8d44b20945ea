// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/DrillWindowsFixture.h"

#include "platform/ScreenCursor.h"
#include "widgets/EntryCell.h"
#include "widgets/KeypadKey.h"
#include "widgets/Panel.h"
#include "widgets/PictureBox.h"
#include "widgets/RadioGroup.h"
#include "widgets/SpeedButton.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

enum class Pointer { Mouse, Finger };

void PrintTo(Pointer pointer, std::ostream* out)
{
    *out << (pointer == Pointer::Mouse ? "mouse" : "finger");
}

// The same gestures made with the mouse and with a finger. A finger has no
// pointer hovering between touches: it carries a symbol only while it is
// down, and its tap places what it carries instead of stepping.
class PointerEntry : public DrillWindowsFixture {
protected:
    // Pressed on the key, held down to the point and let go there; the
    // mouse then moves on a little, as it does.
    void drag(Pointer pointer, const QWidget* key, QPoint to)
    {
        if (pointer == Pointer::Finger)
            return touchDrag(at(key), to);
        QTest::mousePress(form.windowHandle(), Qt::LeftButton, {}, at(key));
        moveTo(to);
        QTest::mouseRelease(form.windowHandle(), Qt::LeftButton, {}, to);
        moveTo(to + QPoint(1, 0));
    }
    void press(Pointer pointer, const QWidget* control)
    {
        pointer == Pointer::Mouse ? click(control) : tap(control);
    }
    void doublePress(Pointer pointer, const QWidget* control)
    {
        if (pointer == Pointer::Mouse)
            return QTest::mouseDClick(control->window()->windowHandle(), Qt::LeftButton, {}, at(control));
        tap(control);
        tap(control);
    }
    // The units answer and the hundreds notation, each as text:slot, the
    // hundreds upper digit's picture and the symbol carried.
    QString sheet() const
    {
        return QStringLiteral("%1:%2 %3:%4 %5 held %6")
            .arg(form.Edit12->text()).arg(state.EnteredAnswer[3]).arg(form.Edit15->text())
            .arg(state.EnteredMarks[1]).arg(files({form.Image2})).arg(state.HeldDigit);
    }
};

constexpr Pointer mouse = Pointer::Mouse;
constexpr Pointer finger = Pointer::Finger;

// Lifted over a cell the symbol lands there; over a strikable upper digit
// the slash strikes and a digit is lost; over a bare background it is let
// go; over any other control it stays carried.
TEST_F(PointerEntry, DraggedSymbolActsWhereTheButtonOrFingerLifts)
{
    const struct { Pointer pointer; const QWidget* key; QPoint to; const char* sheet; } rows[] = {
        {mouse, form.Button3, at(form.Edit12), "３:3 :-1 n4 held -2"},
        {finger, form.Button3, at(form.Edit12), "３:3 :-1 n4 held -2"},
        {finger, form.Button3, at(form.Edit15), ":0 ３:3 n4 held -2"},
        {mouse, form.Button11, at(form.Image2), ":0 :-1 b4 held -2"},
        {finger, form.Button11, at(form.Image2), ":0 :-1 b4 held -2"},
        {finger, form.Button11, at(form.Edit12), ":0 :-1 n4 held -2"},
        {finger, form.Button5, at(form.Image2), ":0 :-1 n4 held -2"},
        {finger, form.Button5, at(form.Panel1, {20, 20}), ":0 :-1 n4 held -2"},
        {finger, form.Button5, QPoint(635, 330), ":0 :-1 n4 held -2"},
        {mouse, form.Button5, at(form.Image5), ":0 :-1 n4 held 5"},
        {finger, form.Button5, at(form.Image5), ":0 :-1 n4 held 5"},
        {finger, form.Button5, at(form.Image4), ":0 :-1 n4 held 5"},
        {finger, form.Button5, at(form.Button7), ":0 :-1 n4 held 5"},
        {finger, form.Button5, at(form.Button5), ":0 :-1 n4 held 5"},
        {finger, form.Button5, at(form.SpeedButton1), ":0 :-1 n4 held 5"},
    };
    for (const auto& row : rows) {
        pose(Operation::Subtraction, 5432, 1234);
        const QWidget* under = form.childAt(row.to);
        SCOPED_TRACE(testing::PrintToString(row.pointer) + " " + row.key->objectName().toStdString() + " to "
                     + (under ? under->objectName().toStdString() : "Form1"));
        drag(row.pointer, row.key, row.to);
        EXPECT_EQ(sheet(), QString(row.sheet));
        EXPECT_EQ(ScreenCursor(), state.HeldDigit == NO_HELD ? crDefault : crDrag);
        EXPECT_TRUE(boxes.empty());
        click(form.Button12);
        moveTo(at(form.Panel1, {20, 20}));
    }
}

// A click on a cell is a move onto it, which places what the mouse carries,
// then a press, which steps it; a tap is one gesture and does one thing.
// Clicks and taps on an upper digit strike it only while ひきざん is chosen.
TEST_F(PointerEntry, PressAfterPickingUp)
{
    const struct { Pointer pointer; int kind; const QWidget* key; const QWidget* target; const char* sheet; } rows[] = {
        {mouse, 0, form.Button3, form.Edit12, "４:4 :-1 n4 held -2"},
        {finger, 0, form.Button3, form.Edit12, "３:3 :-1 n4 held -2"},
        {finger, 0, form.Button11, form.Edit15, ":0 :0 n4 held -2"},
        {mouse, 0, nullptr, form.Edit12, "１:1 :-1 n4 held -2"},
        {finger, 0, nullptr, form.Edit12, "１:1 :-1 n4 held -2"},
        {finger, 0, nullptr, form.Edit15, ":0 ０:0 n4 held -2"},
        {finger, 0, form.Button7, form.Edit15, ":0 ７:7 n4 held -2"},
        {mouse, 1, form.Button11, form.Image2, ":0 :-1 n4 held -2"},
        {finger, 1, form.Button11, form.Image2, ":0 :-1 b4 held -2"},
        {finger, 0, form.Button11, form.Image2, ":0 :-1 b4 held -2"},
        {finger, 1, nullptr, form.Image2, ":0 :-1 b4 held -2"},
        {finger, 0, nullptr, form.Image2, ":0 :-1 n4 held -2"},
        {finger, 1, form.Button5, form.Image2, ":0 :-1 n4 held -2"},
        {finger, 1, form.Button5, form.Image4, ":0 :-1 n4 held 5"},
        {finger, 0, form.Button5, form.Edit8, ":0 :-1 n4 held 5"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.pointer) + " " + std::to_string(row.kind) + " "
                     + (row.key ? row.key->objectName().toStdString() : "-") + " "
                     + row.target->objectName().toStdString());
        click(form.Button12);
        pose(Operation::Subtraction, 5432, 1234);
        selectKind(row.kind);
        if (row.key)
            press(row.pointer, row.key);
        press(row.pointer, row.target);
        EXPECT_EQ(sheet(), QString(row.sheet));
        moveTo(at(form.Panel1, {20, 20}));
    }
}

// Double presses: the main button acts once at every stage of a problem,
// "はじめる" included, while the cells count both presses.
TEST_F(PointerEntry, DoublePressOnTheMainButtonActsOnce)
{
    doublePress(finger, form.SpeedButton1);
    EXPECT_EQ(practiceFace().first(6), (QStringList{"", "", "mascot.bmp", "はんてい", "", ""}));
    EXPECT_EQ(state.ProblemCount, 1);
    for (const Pointer pointer : {mouse, finger}) {
        SCOPED_TRACE(testing::PrintToString(pointer));
        click(form.Button12);
        pose(Operation::Addition, 48, 37);
        const std::int32_t drawn = state.ProblemCount;
        sounds.clear();
        ASSERT_EQ(form.SpeedButton1->text(), "はんてい");
        writeAnswer(84);
        doublePress(pointer, form.SpeedButton1);
        EXPECT_EQ(sounds.size(), 1u);
        EXPECT_EQ(form.SpeedButton1->text(), "はんてい");
        click(form.Button14);
        doublePress(pointer, form.SpeedButton1);
        EXPECT_EQ(state.ProblemCount, drawn + 1);
        EXPECT_EQ(state.Phase, Phase::FirstTry);
        EXPECT_EQ(sounds.size(), 1u);
        doublePress(pointer, form.Edit11);
        EXPECT_EQ(form.Edit11->text(), "２");
    }
}

// A whole problem by finger: buttons and radio items work by tap.
TEST_F(PointerEntry, ButtonsAndRadioItemsWorkByTap)
{
    tap(form.SpeedButton1);
    ASSERT_EQ(form.SpeedButton1->text(), "はんてい");
    pose(Operation::Addition, 48, 37);
    touchDrag(at(form.Button8), at(form.Edit11));
    touchDrag(at(form.Button5), at(form.Edit12));
    touchDrag(at(form.Button1), at(form.Edit16));
    tap(form.RadioGroup3->findChildren<QRadioButton*>().at(1));
    EXPECT_EQ(form.RadioGroup3->ItemIndex(), 1);
    tap(form.RadioGroup3->findChildren<QRadioButton*>().at(0));
    tap(form.SpeedButton1);
    EXPECT_EQ(practiceFace().first(6), (QStringList{"せいかい！", "", "maru1.bmp", "つぎをやる", "1", "100"}));
    tap(form.Button14);
    EXPECT_TRUE(form2.isVisible());
    tap(form.Button12);
    EXPECT_FALSE(form2.isVisible());
    EXPECT_EQ(form.SpeedButton1->text(), "はんてい");
}

// Without its picture a slash carried onto an upper digit is let go at
// once: one error box, however much the pointer then moves over the digit,
// and the digit and its stroke stay as they were.
TEST_F(PointerEntry, OneErrorBoxForAMissingStrikePicture)
{
    const struct { Pointer pointer; bool struckBefore; const char* missing; const char* picture; } rows[] = {
        {mouse, false, "b4.bmp", "b4"}, {finger, false, "b4.bmp", "b4"},
        {mouse, true, "n4.bmp", "n4"},  {finger, true, "n4.bmp", "n4"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.pointer) + " " + row.missing);
        pose(Operation::Subtraction, 5432, 1234);
        if (row.struckBefore)
            carry(form.Button11, form.Image2);
        const NotationRow crossedOut = state.CrossedOut;
        const QString shown = files({form.Image2});
        boxes.clear();
        assets.remove(row.missing);
        drag(row.pointer, form.Button11, at(form.Image2));
        for (int step = 2; step < 8; ++step)
            moveTo(at(form.Image2) + QPoint(step, step));
        EXPECT_EQ(boxes, (decltype(boxes){{"ぽろみんか", QString("ﾌｧｲﾙ %1 は開けません。").arg(row.missing)}}));
        EXPECT_EQ(state.HeldDigit, NO_HELD);
        EXPECT_EQ(ScreenCursor(), crDefault);
        EXPECT_EQ(state.CrossedOut, crossedOut);
        EXPECT_EQ(files({form.Image2}), shown);
        restoreAsset(row.missing);
        drag(row.pointer, form.Button11, at(form.Image2));
        EXPECT_EQ(files({form.Image2}), row.picture);
        EXPECT_EQ(boxes.size(), 1u);
        click(form.Button12);
    }
}

// "２" keeps the heavier frame of the default key whichever key was pressed
// last, and no other key takes it.
TEST_F(PointerEntry, OnlyTheTwoKeyKeepsTheDefaultFrame)
{
    pose(Operation::Addition, 48, 37);
    for (const Pointer pointer : {mouse, finger}) {
        for (const QWidget* pressed : std::initializer_list<const QWidget*>{
                 form.Button2, form.Button5, form.Edit12, form.Button11, form.Button14}) {
            SCOPED_TRACE(testing::PrintToString(pointer) + " " + pressed->objectName().toStdString());
            press(pointer, pressed);
            for (const KeypadKey* key : {form.Button1, form.Button2, form.Button5, form.Button11})
                EXPECT_EQ(key->isDefault(), key == form.Button2) << key->objectName().toStdString();
        }
    }
}

} // namespace
