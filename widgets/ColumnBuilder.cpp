// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ColumnBuilder.h"

#include "widgets/PictureBox.h"

#include <QPalette>

namespace {

// A digit picture box holding the placeholder until a digit is loaded.
PictureBox* digitPicture(QWidget* parent, const QString& name, const Place& place, const QString& spokenName)
{
    auto* picture = PlaceControl(new PictureBox(parent), name, ToQRect(place), spokenName);
    picture->SetPicture(QPixmap(QStringLiteral(":/art/placeholder.png")));
    return picture;
}

// The black rule line under the lower number, from the operator column to
// the units column.
QFrame* ruleLine(QWidget* parent, const ColumnOrigin& origin)
{
    auto* line = PlaceControl(new QFrame(parent), QStringLiteral("Shape1"), ToQRect(RuleLinePlace(origin)), QStringLiteral("せん"));
    // Panels paint in the button colour, which a child inherits unless told.
    line->setAutoFillBackground(true);
    line->setBackgroundRole(QPalette::Window);
    QPalette black = line->palette();
    black.setColor(QPalette::Window, Qt::black);
    line->setPalette(black);
    return line;
}

} // namespace

ColumnControls<QLineEdit> BuildColumnPictures(QWidget* panel, const ColumnOrigin& origin)
{
    ColumnControls<QLineEdit> sum;
    for (int column = 0; column < 4; ++column) {
        sum.upperDigits[column] = digitPicture(panel, QStringLiteral("Image%1").arg(column + 1),
                                               UpperDigitPlace(origin, column),
                                               QStringLiteral("うえの かず（%1）").arg(ColumnNames()[column]));
        sum.lowerDigits[column] = digitPicture(panel, QStringLiteral("Image%1").arg(column + 6),
                                               LowerDigitPlace(origin, column),
                                               QStringLiteral("したの かず（%1）").arg(ColumnNames()[column]));
    }
    sum.operatorSign = digitPicture(panel, QStringLiteral("Image5"), OperatorPlace(origin),
                                    QStringLiteral("きごう"));
    sum.ruleLine = ruleLine(panel, origin);
    return sum;
}
