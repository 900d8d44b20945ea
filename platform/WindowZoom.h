// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QEvent>
#include <QPoint>
#include <QRect>

class QWidget;

// The windows are laid out in pixels for one size. A zoom scales a window's
// whole content as one picture: every control's place and size, its font,
// the margins of its layouts and the pictures it draws. A control's hit area
// is its place, so every gesture lands where it did at the laid-out size.

// A rectangle of the laid-out size at a zoom. Edges are scaled, not sizes,
// so that controls that meet at the laid-out size still meet.
QRect ZoomedRect(const QRect& laidOut, double zoom);

// The zoom the content of the control's window is drawn at; 1 until the
// window is first zoomed.
double ZoomOf(const QWidget* control);

// Scales the content of a top-level window: every control from the place,
// font and margins it had when the window was first zoomed, which are taken
// as the laid-out ones. The controls standing on the window itself are moved
// by `offset` besides, which centres the content in a larger window. Each
// control is then sent a ZoomChange event.
void ZoomContent(QWidget* window, double zoom, QPoint offset = {});

// For a control that sizes itself (a picture box to its picture): the size
// at the laid-out scale, shown at its window's zoom.
void ResizeLaidOut(QWidget* control, QSize laidOutSize);

// Sent to each control of a window whose zoom has just changed; a control
// that draws pictures picks the ones that suit the new zoom.
QEvent::Type ZoomChangeEvent();
