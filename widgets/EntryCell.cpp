#include "widgets/EntryCell.h"

#include <QMouseEvent>

EntryCell::EntryCell(QWidget* parent)
    : QLineEdit(parent)
{
    // The right button belongs to stepping; no menu, and the click is not
    // handed to the panel behind either.
    setContextMenuPolicy(Qt::PreventContextMenu);
    setMouseTracking(true);
}

void EntryCell::mousePressEvent(QMouseEvent* event)
{
    QLineEdit::mousePressEvent(event);
    event->accept();
    emit pressed(event->button());
}

void EntryCell::mouseDoubleClickEvent(QMouseEvent* event)
{
    QLineEdit::mouseDoubleClickEvent(event);
    event->accept();
    emit pressed(event->button());
}

void EntryCell::mouseMoveEvent(QMouseEvent* event)
{
    QLineEdit::mouseMoveEvent(event);
    event->accept();
    emit mouseMoved();
}

void EntryCell::mouseReleaseEvent(QMouseEvent* event)
{
    // A middle click steps the cell down; it never pastes the selection.
    if (event->button() != Qt::MiddleButton)
        QLineEdit::mouseReleaseEvent(event);
    event->accept();
}
