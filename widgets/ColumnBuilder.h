// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "layout/ColumnLayout.h"
#include "platform/ScreenPlace.h"
#include "widgets/ControlPlacement.h"

#include <QFrame>
#include <QLineEdit>

#include <array>

class PictureBox;

// The controls of one column sum, each array thousands first. The upper and
// lower digits are "Image1" to "Image4" and "Image6" to "Image9", the
// operator "Image5", the rule line "Shape1", in both windows.
template <class Cell>
struct ColumnControls {
    std::array<Cell*, 3> notationCells{};
    std::array<PictureBox*, 4> upperDigits{};
    PictureBox* operatorSign = nullptr;
    std::array<PictureBox*, 4> lowerDigits{};
    QFrame* ruleLine = nullptr;
    std::array<Cell*, 4> answerCells{};
};

// The pictures and the rule line of a column sum on `panel`.
ColumnControls<QLineEdit> BuildColumnPictures(QWidget* panel, const ColumnOrigin& origin);

// The whole column sum, its cells of type Cell named by the window. Each
// window gives its cells their font and colour.
template <class Cell>
ColumnControls<Cell> BuildColumnSum(QWidget* panel, const ColumnOrigin& origin,
                                    const std::array<const char*, 3>& notationNames,
                                    const std::array<const char*, 4>& answerNames)
{
    const ColumnControls<QLineEdit> pictures = BuildColumnPictures(panel, origin);
    ColumnControls<Cell> sum;
    sum.upperDigits = pictures.upperDigits;
    sum.operatorSign = pictures.operatorSign;
    sum.lowerDigits = pictures.lowerDigits;
    sum.ruleLine = pictures.ruleLine;
    for (int column = 0; column < 4; ++column) {
        if (column < 3)
            sum.notationCells[column] = PlaceControl(
                new Cell(panel), notationNames[column], ToQRect(NotationCellPlace(origin, column)),
                QStringLiteral("うえの メモ（%1）").arg(ColumnNames()[column]));
        sum.answerCells[column] = PlaceControl(new Cell(panel), answerNames[column], ToQRect(AnswerCellPlace(origin, column)),
                                               QStringLiteral("こたえ（%1）").arg(ColumnNames()[column]));
    }
    return sum;
}
