// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/DrillWindowsFixture.h"

#include "widgets/EntryCell.h"
#include "widgets/SpeedButton.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>

#include <functional>

namespace {

class TypedEntry : public DrillWindowsFixture {
protected:
    void SetUp() override
    {
        DrillWindowsFixture::SetUp();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        QGuiApplication::clipboard()->setText("５");
    }
};

// A digit typed into a cell, from the main keys, the number pad or an input
// method, sets it as if dropped there, replacing what the click that put
// the cursor there left; Backspace and Delete empty it. Nothing else the
// keyboard, the clipboard or a drop offers changes it: what a cell shows
// is what is judged.
TEST_F(TypedEntry, OnlyDigitsAndErasingChangeACell)
{
    using Keys = std::function<void()>;
    const auto key = [this](Qt::Key key, const char* text, Qt::KeyboardModifiers modifiers = {}) -> Keys {
        return [=, this] { type(key, QString::fromUtf8(text), modifiers); };
    };
    const auto commit = [](const char* commit, const char* preedit = "") -> Keys {
        return [=] { inputMethod(QString::fromUtf8(commit), QString::fromUtf8(preedit)); };
    };
    const struct { const char* what; const EntryCell* cell; std::vector<Keys> keys; const char* text; std::int32_t slot; } rows[] = {
        {"6", form.Edit12, {key(Qt::Key_6, "6")}, "６", 6},
        {"0", form.Edit12, {key(Qt::Key_0, "0")}, "０", 0},
        {"number pad 6", form.Edit12, {key(Qt::Key_6, "6", Qt::KeypadModifier)}, "６", 6},
        {"full-width key", form.Edit12, {key(Qt::Key_6, "６")}, "６", 6},
        {"input method ６", form.Edit12, {commit("", "６"), commit("６")}, "６", 6},
        {"input method composing", form.Edit12, {commit("", "６")}, "１", 1},
        {"input method kana", form.Edit12, {commit("ろ")}, "１", 1},
        {"input method ６６", form.Edit12, {commit("６６")}, "１", 1},
        {"backspace", form.Edit12, {key(Qt::Key_Backspace, "\b")}, "", BLANK},
        {"delete", form.Edit12, {key(Qt::Key_6, "6"), key(Qt::Key_Home, ""), key(Qt::Key_Delete, "")}, "", BLANK},
        {"last digit wins", form.Edit12, {key(Qt::Key_6, "6"), key(Qt::Key_Left, ""), key(Qt::Key_2, "2")}, "２", 2},
        {"letter", form.Edit12, {key(Qt::Key_A, "a")}, "１", 1},
        {"kana key", form.Edit12, {key(Qt::Key_unknown, "ろ")}, "１", 1},
        {"slash", form.Edit12, {key(Qt::Key_Slash, "/")}, "１", 1},
        {"ctrl+6", form.Edit12, {key(Qt::Key_6, "6", Qt::ControlModifier)}, "１", 1},
        {"enter", form.Edit12, {key(Qt::Key_Return, "\r")}, "１", 1},
        {"ctrl+v", form.Edit12, {key(Qt::Key_V, "v", Qt::ControlModifier)}, "１", 1},
        {"shift+insert", form.Edit12, {key(Qt::Key_Insert, "", Qt::ShiftModifier)}, "１", 1},
        {"cut", form.Edit12, {key(Qt::Key_A, "a", Qt::ControlModifier), key(Qt::Key_X, "x", Qt::ControlModifier)}, "１", 1},
        {"tab, 7", form.Edit11, {key(Qt::Key_Tab, "\t"), key(Qt::Key_7, "7")}, "７", 7},
        {"notation 3", form.Edit15, {key(Qt::Key_3, "3")}, "３", 3},
        {"notation delete", form.Edit15, {key(Qt::Key_Delete, "")}, "", BLANK},
        {"dropped text", form.Edit15, {[this] { dropText(form.Edit15, "５"); }}, "０", 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        pose(Operation::Addition, 1234, 5678);
        const EntryCell* clicked = row.cell == form.Edit11 ? form.Edit12 : row.cell;
        click(clicked);
        ASSERT_EQ(QApplication::focusWidget(), clicked);
        for (const Keys& keys : row.keys)
            keys();
        EXPECT_EQ(QApplication::focusWidget(), row.cell);
        EXPECT_EQ(row.cell->text(), row.text);
        EXPECT_EQ(row.cell == form.Edit15 ? state.EnteredMarks[1] : state.EnteredAnswer[row.cell == form.Edit12 ? 3 : 2],
                  row.slot);
        EXPECT_EQ(state.HeldDigit, NO_HELD);
        EXPECT_EQ(state.CrossedOut, (NotationRow{0, 0, 0}));
        click(form.Button12);
    }
}

// The child clicks the units box, types the answer and has it judged.
TEST_F(TypedEntry, ATypedAnswerIsJudgedAsShown)
{
    pose(Operation::Addition, 2, 4);
    click(form.Edit12);
    type(Qt::Key_6, "6");
    ASSERT_EQ(form.Edit12->text(), "６");
    click(form.SpeedButton1);
    EXPECT_EQ(practiceFace().first(6), (QStringList{"せいかい！", "", "maru1.bmp", "つぎをやる", "1", "100"}));
}

} // namespace
