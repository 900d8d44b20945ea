// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ColumnBuilder.h"

#include "widgets/PictureBox.h"

#include <QPalette>

namespace {

constexpr int columnPitch = 45;
// Row tops below the notation row.
constexpr int upperOffset = 38;
constexpr int lowerOffset = 77;
constexpr int ruleOffset = 115;
constexpr int ruleHeight = 4;

QPoint columnTopLeft(const ColumnOrigin& origin, int column, int rowOffset)
{
    return origin.topLeft + QPoint((column + 1) * columnPitch, rowOffset);
}

// A digit picture box holding the placeholder until a digit is loaded.
PictureBox* digitPicture(QWidget* parent, const QString& name, QPoint topLeft, const QString& spokenName)
{
    auto* picture = PlaceControl(new PictureBox(parent), name, QRect(topLeft, CELL_SIZE), spokenName);
    picture->SetPicture(QPixmap(QStringLiteral(":/art/placeholder.png")));
    return picture;
}

// The black rule line under the lower number, from the operator column to
// the units column.
QFrame* ruleLine(QWidget* parent, const ColumnOrigin& origin)
{
    auto* line = PlaceControl(new QFrame(parent), QStringLiteral("Shape1"), RuleLineRect(origin), QStringLiteral("せん"));
    // Panels paint in the button colour, which a child inherits unless told.
    line->setAutoFillBackground(true);
    line->setBackgroundRole(QPalette::Window);
    QPalette black = line->palette();
    black.setColor(QPalette::Window, Qt::black);
    line->setPalette(black);
    return line;
}

} // namespace

QRect NotationCellRect(const ColumnOrigin& origin, int column)
{
    return QRect(columnTopLeft(origin, column, 0), CELL_SIZE);
}

QRect UpperDigitRect(const ColumnOrigin& origin, int column)
{
    return QRect(columnTopLeft(origin, column, upperOffset), CELL_SIZE);
}

QRect OperatorRect(const ColumnOrigin& origin)
{
    return LowerDigitRect(origin, -1);
}

QRect LowerDigitRect(const ColumnOrigin& origin, int column)
{
    return QRect(columnTopLeft(origin, column, lowerOffset), CELL_SIZE);
}

QRect RuleLineRect(const ColumnOrigin& origin)
{
    return QRect(columnTopLeft(origin, -1, ruleOffset), QSize(4 * columnPitch + CELL_SIZE.width() + 6, ruleHeight));
}

QRect AnswerCellRect(const ColumnOrigin& origin, int column)
{
    return QRect(columnTopLeft(origin, column, ruleOffset + ruleHeight + origin.answerGap), CELL_SIZE);
}

ColumnControls<QLineEdit> BuildColumnPictures(QWidget* panel, const ColumnOrigin& origin)
{
    ColumnControls<QLineEdit> sum;
    for (int column = 0; column < 4; ++column) {
        sum.upperDigits[column] = digitPicture(panel, QStringLiteral("Image%1").arg(column + 1),
                                               UpperDigitRect(origin, column).topLeft(),
                                               QStringLiteral("うえの かず（%1）").arg(ColumnNames()[column]));
        sum.lowerDigits[column] = digitPicture(panel, QStringLiteral("Image%1").arg(column + 6),
                                               LowerDigitRect(origin, column).topLeft(),
                                               QStringLiteral("したの かず（%1）").arg(ColumnNames()[column]));
    }
    sum.operatorSign = digitPicture(panel, QStringLiteral("Image5"), OperatorRect(origin).topLeft(),
                                    QStringLiteral("きごう"));
    sum.ruleLine = ruleLine(panel, origin);
    return sum;
}
