#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

#include <array>

class PictureBox;
class QColor;
class QFrame;

// Both windows draw the column sum alike: four columns, thousands to units,
// of 41 × 35 cells, with a black rule line under the lower number.
inline constexpr QSize CELL_SIZE(41, 35);

// How a screen reader names each column, thousands to units.
const std::array<QString, 4>& ColumnNames();

// Gives a control its name, place and spoken name.
template <class Control>
Control* PlaceControl(Control* control, const QString& name, QRect geometry, const QString& spokenName)
{
    control->setObjectName(name);
    control->setGeometry(geometry);
    control->setAccessibleName(spokenName);
    return control;
}

void SetTextColour(QWidget* control, const QColor& colour);

// A digit picture box holding the placeholder until a digit is loaded.
PictureBox* MakeDigitPicture(QWidget* parent, const QString& name, QPoint topLeft, const QString& spokenName);

// The black rule line under the lower number, from the operator column to
// the units column.
QFrame* MakeRuleLine(QWidget* parent, QPoint topLeft);
