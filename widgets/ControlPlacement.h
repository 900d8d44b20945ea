// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

#include <array>

class QColor;

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
