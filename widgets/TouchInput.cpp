// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/TouchInput.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QWidget>

// Qt gives the move it makes before a touch's press the mouse as its device,
// so that the source must tell; a pen's strokes, made by Qt as well, count
// as touch: a pen drags and taps like a finger.
bool ComesFromTouch(const QMouseEvent& event)
{
    return event.pointingDevice()->type() == QInputDevice::DeviceType::TouchScreen
        || event.source() == Qt::MouseEventSynthesizedBySystem || event.source() == Qt::MouseEventSynthesizedByQt;
}

void ArrivePointerAt(QWidget* window, QPointF windowPos)
{
    if (!window->rect().contains(windowPos.toPoint()))
        return;
    QWidget* under = window->childAt(windowPos.toPoint());
    QWidget* target = under ? under : window;
    QMouseEvent arrival(QEvent::MouseMove, target->mapFrom(window, windowPos), windowPos,
                        window->mapToGlobal(windowPos), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &arrival);
}
