// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/EntryCell.h"

#include "engine/DigitEntryRules.h"
#include "widgets/TouchInput.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

namespace {

// Keys the edit box still handles: they move the cursor, or (Enter) do
// nothing here, and none of them changes the text.
constexpr Qt::Key passedOnKeys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Home,
                                    Qt::Key_End,  Qt::Key_Return, Qt::Key_Enter};
constexpr Qt::Key erasingKeys[] = {Qt::Key_Backspace, Qt::Key_Delete};
// A digit typed with one of these held is a shortcut, not a digit.
constexpr Qt::KeyboardModifiers shortcutModifiers = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

} // namespace

EntryCell::EntryCell(QWidget* parent)
    : QLineEdit(parent)
{
    // The right button belongs to stepping; no menu, and the click is not
    // handed to the panel behind either.
    setContextMenuPolicy(Qt::PreventContextMenu);
    setMouseTracking(true);
    setAcceptDrops(false);
}

void EntryCell::reportPress(const QMouseEvent& event)
{
    if (ComesFromTouch(event))
        emit tapped();
    else
        emit pressed(event.button());
}

void EntryCell::mousePressEvent(QMouseEvent* event)
{
    QLineEdit::mousePressEvent(event);
    event->accept();
    reportPress(*event);
}

void EntryCell::mouseDoubleClickEvent(QMouseEvent* event)
{
    QLineEdit::mouseDoubleClickEvent(event);
    event->accept();
    reportPress(*event);
}

void EntryCell::mouseMoveEvent(QMouseEvent* event)
{
    QLineEdit::mouseMoveEvent(event);
    event->accept();
    if (!ComesFromTouch(*event))
        emit mouseMoved();
}

void EntryCell::mouseReleaseEvent(QMouseEvent* event)
{
    // A middle click steps the cell down; it never pastes the selection.
    if (event->button() != Qt::MiddleButton)
        QLineEdit::mouseReleaseEvent(event);
    event->accept();
}

void EntryCell::keyPressEvent(QKeyEvent* event)
{
    const auto key = static_cast<Qt::Key>(event->key());
    if (std::ranges::find(passedOnKeys, key) != std::end(passedOnKeys)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // Any other key (letters, kana, paste, cut, undo) is kept from the edit
    // box; only a digit or erasing changes the cell.
    event->accept();
    if (std::ranges::find(erasingKeys, key) != std::end(erasingKeys)) {
        emit typed(BLANK);
        return;
    }
    if (event->modifiers() & shortcutModifiers)
        return;
    if (const auto digit = TypedDigit(event->text().toStdU16String()))
        emit typed(*digit);
}

void EntryCell::inputMethodEvent(QInputMethodEvent* event)
{
    // Only a committed digit counts. What the input method is still
    // composing is not drawn in the cell either: it shows only its slot.
    event->accept();
    if (const auto digit = TypedDigit(event->commitString().toStdU16String()))
        emit typed(*digit);
}
