// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ScreenCursor.h"

#include <QCursor>
#include <QGuiApplication>

#include <map>

namespace {

// The shapes that replace the widgets' own pointers; crDefault is absent:
// it means every widget shows its own again.
const std::map<int, Qt::CursorShape>& overrideShapes()
{
    static const std::map<int, Qt::CursorShape> shapes = {
        {crDrag, Qt::DragMoveCursor}, // an arrow carrying a small box
    };
    return shapes;
}

int current = crDefault;

} // namespace

// Qt keeps override cursors on a stack; the program holds at most one level
// of it, changed in place, so any number of sets is undone by one crDefault.
void SetScreenCursor(int shape)
{
    const auto found = overrideShapes().find(shape);
    const bool overriding = current != crDefault;
    if (found == overrideShapes().end()) {
        if (overriding)
            QGuiApplication::restoreOverrideCursor();
        current = crDefault;
        return;
    }
    if (overriding)
        QGuiApplication::changeOverrideCursor(QCursor(found->second));
    else
        QGuiApplication::setOverrideCursor(QCursor(found->second));
    current = shape;
}

int ScreenCursor()
{
    return current;
}
