// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/DigitEntryRules.h"
#include "platform/EventGuard.h"
#include "platform/ScreenCursor.h"
#include "practice_window/TForm1.h"
#include "widgets/DigitTables.h"
#include "widgets/EntryCell.h"
#include "widgets/Panel.h"
#include "widgets/PictureBox.h"
#include "widgets/RadioGroup.h"

#include <QMouseEvent>

void TForm1::WireDigitEntry()
{
    // Answer and notation cells take a carried symbol, step and are typed
    // into alike; they differ only in the row their slot belongs to.
    const auto wireCell = [this](EntryCell* cell, std::int32_t* slot) {
        connect(cell, &EntryCell::mouseMoved, this, [=, this] { DropOnCell(cell, *slot); });
        connect(cell, &EntryCell::pressed, this,
                [=, this](Qt::MouseButton button) { StepCell(cell, *slot, button); });
        connect(cell, &EntryCell::tapped, this, [=, this] { TapCell(cell, *slot); });
        connect(cell, &EntryCell::typed, this,
                [=, this](std::int32_t typed) { TypeIntoCell(cell, *slot, typed); });
    };
    for (int column = 0; column < 4; ++column)
        wireCell(columns_.answerCells[column], &state_.EnteredAnswer[column]);
    for (int column = 0; column < 3; ++column) {
        wireCell(columns_.notationCells[column], &state_.EnteredMarks[column]);
        PictureBox* upperDigit = columns_.upperDigits[column];
        connect(upperDigit, &PictureBox::mouseMoved, this, [=, this] { DropOnUpperDigit(column); });
        connect(upperDigit, &PictureBox::clicked, this, [=, this] { UpperDigitClick(column); });
        connect(upperDigit, &PictureBox::tapped, this, [=, this] { TapUpperDigit(column); });
    }
    connect(Panel1, &Panel::backgroundMouseMoved, this, &TForm1::CancelHold);
    connect(Panel2, &Panel::backgroundMouseMoved, this, &TForm1::CancelHold);
}

void TForm1::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    CancelHold();
}

void TForm1::PickUpSymbol(std::int32_t symbol)
{
    RunGuarded([&] {
        SetScreenCursor(crDrag);
        state_.HeldDigit = symbol;
    });
}

void TForm1::DropOnCell(EntryCell* cell, std::int32_t& slot)
{
    RunGuarded([&] {
        const bool slash = state_.HeldDigit == HELD_SLASH;
        if (!DropHeldSymbol(state_, slot))
            return;
        SetScreenCursor(crDefault);
        // A slash wipes the cell: it shows nothing though it counts as 0.
        cell->setText(slash ? QString() : DigitText(slot));
    });
}

void TForm1::DropOnUpperDigit(int column)
{
    RunGuarded([&] {
        // A digit carried onto an upper digit is let go without effect. The
        // slash is let go before its picture is loaded: should that fail,
        // one error box tells so, not one for every further move.
        const bool slash = state_.HeldDigit == HELD_SLASH;
        LetGoOfHeldSymbol(state_);
        SetScreenCursor(crDefault);
        if (slash)
            ToggleStrike(column);
    });
}

void TForm1::ToggleStrike(int column)
{
    const std::int32_t digit = state_.TopDigits[column];
    // The flag changes only once its picture is on screen.
    columns_.upperDigits[column]->LoadFromFile(IsStruck(state_, column) ? DigitPictureFile(digit)
                                                                        : StruckDigitPictureFile(digit));
    ToggleStruck(state_, column);
}

void TForm1::UpperDigitClick(int column)
{
    RunGuarded([&] {
        // Striking by click follows the operation selected now, whatever
        // drew the problem on screen.
        if (OperationForKind(RadioGroup3->ItemIndex()) == Operation::Subtraction)
            ToggleStrike(column);
    });
}

// A finger cannot hover a symbol onto the digit before touching it: the
// tap itself hands the symbol over, or, with nothing carried, clicks.
void TForm1::TapUpperDigit(int column)
{
    if (state_.HeldDigit == NO_HELD)
        UpperDigitClick(column);
    else
        DropOnUpperDigit(column);
}

void TForm1::CancelHold()
{
    RunGuarded([&] {
        if (LetGoOfHeldSymbol(state_))
            SetScreenCursor(crDefault);
    });
}

void TForm1::StepCell(EntryCell* cell, std::int32_t& slot, Qt::MouseButton button)
{
    RunGuarded([&] {
        slot = SteppedSlot(slot, button == Qt::LeftButton ? StepDirection::Forwards : StepDirection::Backwards);
        cell->setText(DigitText(slot));
    });
}

// Likewise a tap on a cell places the carried symbol and steps it only when
// nothing is carried.
void TForm1::TapCell(EntryCell* cell, std::int32_t& slot)
{
    if (state_.HeldDigit == NO_HELD)
        StepCell(cell, slot, Qt::LeftButton);
    else
        DropOnCell(cell, slot);
}

void TForm1::TypeIntoCell(EntryCell* cell, std::int32_t& slot, std::int32_t typed)
{
    slot = typed;
    cell->setText(DigitText(slot));
}
