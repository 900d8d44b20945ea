// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/Panel.h"

#include <QMouseEvent>

Panel::Panel(QWidget* parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
}

void Panel::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    emit backgroundMouseMoved();
}
