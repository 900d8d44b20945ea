// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>

class QMouseEvent;
class QWidget;

// A finger on a touch screen reaches the controls as mouse events that Qt
// or the system make from the touch. Unlike a mouse it leaves no pointer
// hovering between touches: moves come only with the finger down, and one
// just before each touch, where the finger lands. The controls that react to
// a pointer passing over them tell the two apart.
bool ComesFromTouch(const QMouseEvent& event);

// A mouse carries a symbol on after its button is released: the first move
// over a cell places it. A lifted finger makes no such move, so its lift
// stands for it: the control under that point of the window, or the
// window's own background, receives one plain pointer move there.
void ArrivePointerAt(QWidget* window, QPointF windowPos);
