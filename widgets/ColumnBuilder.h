// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/ControlPlacement.h"

#include <QFrame>
#include <QLineEdit>

#include <array>

class PictureBox;

// Both windows write the column sum alike: four columns of 41 × 35 places,
// thousands to units, 45 pixels apart, the operator one column left of the
// thousands, from top to bottom the notation cells, the upper number, the
// lower number, a black rule line and the answer cells.
struct ColumnOrigin {
    // The top-left corner of the operator column in the notation row.
    QPoint topLeft;
    // The gap between the rule line and the answer row.
    int answerGap = 0;
};

// The practice window's sum starts 6 pixels in from its problem panel's edge,
// with the answer row 9 pixels under the rule line; the model answer's stands
// 16 pixels further right and 40 higher, the answer just under the rule.
// Worksheets draw their problems and their key with the same places.
inline constexpr ColumnOrigin PRACTICE_SUM_ORIGIN{QPoint(6, 45), 9};
inline constexpr ColumnOrigin MODEL_ANSWER_SUM_ORIGIN{QPoint(22, 5), 2};

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

// The places of the column sum, from its origin.
QRect NotationCellRect(const ColumnOrigin& origin, int column);
QRect UpperDigitRect(const ColumnOrigin& origin, int column);
QRect OperatorRect(const ColumnOrigin& origin);
QRect LowerDigitRect(const ColumnOrigin& origin, int column);
QRect RuleLineRect(const ColumnOrigin& origin);
QRect AnswerCellRect(const ColumnOrigin& origin, int column);

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
                new Cell(panel), notationNames[column], NotationCellRect(origin, column),
                QStringLiteral("うえの メモ（%1）").arg(ColumnNames()[column]));
        sum.answerCells[column] = PlaceControl(new Cell(panel), answerNames[column], AnswerCellRect(origin, column),
                                               QStringLiteral("こたえ（%1）").arg(ColumnNames()[column]));
    }
    return sum;
}
