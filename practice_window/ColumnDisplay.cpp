// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice_window/TForm1.h"

#include "platform/PictureFile.h"
#include "widgets/DigitTables.h"
#include "widgets/EntryCell.h"
#include "widgets/PictureBox.h"

#include <QLineEdit>
#include <QStringList>

namespace {

// Shows each digit of a number in its column's picture; the places of blank
// leading slots stay empty.
void showNumber(const std::array<PictureBox*, 4>& pictures, const DigitRow& digits)
{
    for (std::size_t column = 0; column < pictures.size(); ++column) {
        if (digits[column] < 0)
            continue;
        pictures[column]->LoadFromFile(DigitPictureFile(digits[column]));
        pictures[column]->show();
    }
}

} // namespace

void TForm1::PresentProblem()
{
    // Read once ahead, so that a missing picture stops the presentation
    // before anything of the new problem shows beside the old one.
    QStringList pictures{QStringLiteral("mascot.bmp"), OperatorPictureFile(state_.Operation)};
    for (const DigitRow* digits : {&state_.TopDigits, &state_.BottomDigits})
        for (const std::int32_t digit : *digits)
            if (digit >= 0)
                pictures << DigitPictureFile(digit);
    pictures.removeDuplicates();
    for (const QString& picture : std::as_const(pictures))
        LoadPictureFile(picture);

    for (PictureBox* picture : {Image1, Image2, Image3, Image4, Image6, Image7, Image8, Image9})
        picture->hide();
    for (EntryCell* cell : {Edit9, Edit10, Edit11, Edit12, Edit14, Edit15, Edit16})
        cell->show();
    Image10->LoadFromFile(QStringLiteral("mascot.bmp"));
    Image5->LoadFromFile(OperatorPictureFile(state_.Operation));
    Image5->show();
    showNumber(columns_.upperDigits, state_.TopDigits);
    showNumber(columns_.lowerDigits, state_.BottomDigits);
    for (QLineEdit* line : std::initializer_list<QLineEdit*>{
             Edit8, Edit9, Edit10, Edit11, Edit12, Edit13, Edit14, Edit15, Edit16})
        line->clear();
}
