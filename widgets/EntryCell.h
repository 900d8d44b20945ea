#pragma once

#include <QLineEdit>

// An answer or notation cell. It is an ordinary editable box, but its text is
// never read back: the mouse steps its digit and keypad symbols are dropped
// into it. Every press counts, the second of a double click included, and
// the right button steps instead of opening a menu.
class EntryCell : public QLineEdit {
    Q_OBJECT
public:
    explicit EntryCell(QWidget* parent = nullptr);

signals:
    void pressed(Qt::MouseButton button);
    void mouseMoved();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
