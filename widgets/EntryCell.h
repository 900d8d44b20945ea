// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

#include <cstdint>

// An answer or notation cell. It looks like an ordinary editable box, but
// its text is never read back: the mouse steps its digit, keypad symbols are
// dropped into it, and a digit typed or committed by an input method sets it.
// Nothing else the keyboard, the clipboard or a drop offers changes it, so
// the cell always shows the digit that is judged. Every press counts, the
// second of a double click included, and the right button steps instead of
// opening a menu.
class EntryCell : public QLineEdit {
    Q_OBJECT
public:
    explicit EntryCell(QWidget* parent = nullptr);

signals:
    // A mouse button pressed on the cell.
    void pressed(Qt::MouseButton button);
    // A finger put down on the cell.
    void tapped();
    // The mouse pointer moved over the cell; a finger makes no such move.
    void mouseMoved();
    // A digit typed into the cell (0 to 9), or BLANK for Backspace or Delete.
    void typed(std::int32_t slot);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    void reportPress(const QMouseEvent& event);
};
