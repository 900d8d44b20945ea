// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/SessionView.h"

#include <string>

namespace {

// "·" for a slot that shows nothing, the digit otherwise.
std::string slotText(std::int32_t slot)
{
    return slot == BLANK ? "·" : std::to_string(slot);
}

std::string symbolText(std::int32_t symbol)
{
    return symbol == NO_HELD ? "none" : symbol == HELD_SLASH ? "slash" : std::to_string(symbol);
}

template <class Row>
std::string row(const Row& slots)
{
    std::string text;
    for (const std::int32_t slot : slots)
        text += (text.empty() ? "" : " ") + slotText(slot);
    return text;
}

template <class Cells>
std::string cells(const Cells& row)
{
    std::string text;
    for (const CellView& cell : row)
        text += (text.empty() ? "" : " ") + slotText(cell.slot) + "=" + slotText(cell.shown);
    return text;
}

std::string counter(const std::optional<std::int32_t>& value)
{
    return value ? std::to_string(*value) : "·";
}

const char* phaseName(Phase phase)
{
    return phase == Phase::Closed ? "closed" : phase == Phase::FirstTry ? "first try" : "retrying";
}

} // namespace

// Written with plain string appends: the browser's build of the core then
// carries no stream library, which would triple its size.
std::string DescribeView(const SessionView& view)
{
    const std::string sheet = std::to_string(view.sheetNumber);
    std::string out = "problem: " + std::string(view.problemShown ? "shown" : "none") + " sheet " + sheet + ' '
        + OperatorPictureFileName(view.operation) + '\n';
    out += "upper:";
    for (const UpperDigitView& digit : view.upperDigits)
        out += ' ' + slotText(digit.digit) + (digit.struck ? "/" : "");
    out += "\nlower: " + row(view.lowerDigits) + '\n';
    out += "answer cells: " + cells(view.answerCells) + '\n';
    out += "notation cells: " + cells(view.notationCells) + '\n';
    out += "messages: \"" + std::string(TextOf(view.answerMessage)) + "\" \"" + TextOf(view.notationMessage) + "\"\n";
    if (!view.hint.empty())
        out += "hint: " + view.hint + '\n';
    out += "result picture: " + std::string(*FileOf(view.resultPicture) ? FileOf(view.resultPicture) : "start-up art")
        + '\n';
    out += "main button: " + std::string(TextOf(view.mainCaption)) + '\n';
    out += "counters: " + counter(view.shownProblemCount) + ' ' + counter(view.shownScore) + '\n';
    out += "phase: " + std::string(phaseName(view.phase)) + '\n';
    out += "carried: " + symbolText(view.carriedSymbol) + '\n';
    const WorkedSum& worked = view.workedAnswer;
    out += "worked answer: " + std::string(view.workedAnswerShown ? "shown" : "hidden") + ' '
        + OperatorPictureFileName(worked.operation) + " | " + row(worked.notation) + " | ";
    for (std::size_t column = 0; column < worked.upper.size(); ++column)
        out += slotText(worked.upper[column]) + (column < 3 && worked.lent[column] ? "/" : "") + ' ';
    out += "| " + row(worked.lower) + " | " + row(worked.answer) + '\n';
    out += "effects:";
    if (view.sound != SoundCue::None)
        out += " sound " + std::string(FileOf(view.sound));
    if (view.openHelp)
        out += " help " + std::string(HELP_FILE);
    if (view.raiseWorkedAnswer)
        out += " raise worked answer";
    if (!view.unreadableFile.empty())
        out += " unreadable " + view.unreadableFile;
    out += '\n';
    return out;
}
