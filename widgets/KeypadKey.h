// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

// A key of the keypad strip. It reacts to a press of any mouse button, not to
// a click; while the button is held the key keeps the pointer, so the symbol
// is carried past everything on the way to a cell. Carried by a finger, the
// symbol is handed to whatever lies where the finger lifts.
class KeypadKey : public QPushButton {
    Q_OBJECT
public:
    KeypadKey(const QString& caption, QWidget* parent = nullptr);

signals:
    void pressed(Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
