// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/KeypadKey.h"

#include "widgets/TouchInput.h"

#include <QMouseEvent>

KeypadKey::KeypadKey(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent)
{
}

void KeypadKey::mousePressEvent(QMouseEvent* event)
{
    // Only the left button pushes the key down visibly; every button picks
    // the symbol up.
    if (event->button() == Qt::LeftButton)
        QPushButton::mousePressEvent(event);
    event->accept();
    emit pressed(event->button());
}

void KeypadKey::mouseDoubleClickEvent(QMouseEvent* event)
{
    mousePressEvent(event);
}

void KeypadKey::mouseMoveEvent(QMouseEvent* event)
{
    QPushButton::mouseMoveEvent(event);
    event->accept();
}

void KeypadKey::mouseReleaseEvent(QMouseEvent* event)
{
    QPushButton::mouseReleaseEvent(event);
    event->accept();
    // A finger that carried the symbol away from the key hands it over where
    // it lifts, as the mouse's next move would.
    if (ComesFromTouch(*event))
        ArrivePointerAt(window(), event->scenePosition());
}
