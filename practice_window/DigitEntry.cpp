#include "TForm1.h"

#include "DigitTables.h"
#include "EntryCell.h"
#include "EventGuard.h"
#include "Panel.h"
#include "PictureBox.h"
#include "RadioGroup.h"
#include "ScreenCursor.h"

#include <QMouseEvent>

void TForm1::WireDigitEntry()
{
    // Answer and notation cells take a carried symbol and step alike; they
    // differ only in the row their slot belongs to.
    const auto wireCell = [this](EntryCell* cell, std::int32_t* slot) {
        connect(cell, &EntryCell::mouseMoved, this, [=, this] { DropOnCell(cell, *slot); });
        connect(cell, &EntryCell::pressed, this,
                [=, this](Qt::MouseButton button) { StepCell(cell, *slot, button); });
    };
    for (int column = 0; column < 4; ++column)
        wireCell(answerCells_[column], &state_.EnteredAnswer[column]);
    for (int column = 0; column < 3; ++column) {
        wireCell(notationCells_[column], &state_.EnteredMarks[column]);
        connect(upperDigits_[column], &PictureBox::mouseMoved, this, [=, this] { DropOnUpperDigit(column); });
        connect(upperDigits_[column], &PictureBox::clicked, this, [=, this] { UpperDigitClick(column); });
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
        if (state_.HeldDigit == NO_HELD)
            return;
        cell->setText(DigitText(state_.HeldDigit));
        SetScreenCursor(crDefault);
        // A slash wipes the cell: it shows nothing and counts as 0.
        slot = state_.HeldDigit == HELD_SLASH ? 0 : state_.HeldDigit;
        state_.HeldDigit = NO_HELD;
    });
}

void TForm1::DropOnUpperDigit(int column)
{
    RunGuarded([&] {
        // A digit carried onto an upper digit is let go without effect. If
        // the struck picture cannot be loaded the slash stays held, and the
        // next move over the digit tries again.
        if (state_.HeldDigit == HELD_SLASH)
            ToggleStrike(column);
        state_.HeldDigit = NO_HELD;
        SetScreenCursor(crDefault);
    });
}

void TForm1::ToggleStrike(int column)
{
    const std::int32_t digit = state_.TopDigits[column];
    const bool struck = state_.CrossedOut[column] == STRUCK;
    // The flag changes only once its picture is on screen.
    upperDigits_[column]->LoadFromFile(struck ? DigitPictureFile(digit) : StruckDigitPictureFile(digit));
    state_.CrossedOut[column] = struck ? 0 : STRUCK;
}

void TForm1::UpperDigitClick(int column)
{
    RunGuarded([&] {
        // Striking by click follows the operation selected now, whatever
        // drew the problem on screen.
        if (RadioGroup3->ItemIndex() == 1)
            ToggleStrike(column);
    });
}

void TForm1::CancelHold()
{
    RunGuarded([&] {
        if (state_.HeldDigit == NO_HELD)
            return;
        SetScreenCursor(crDefault);
        state_.HeldDigit = NO_HELD;
    });
}

void TForm1::StepCell(EntryCell* cell, std::int32_t& slot, Qt::MouseButton button)
{
    RunGuarded([&] {
        // The cycle runs empty, ０ … ９, empty: forwards with the left button,
        // backwards with the others.
        if (button == Qt::LeftButton)
            slot = slot >= 9 ? BLANK : slot + 1;
        else
            slot = slot <= BLANK ? 9 : slot - 1;
        cell->setText(DigitText(slot));
    });
}
