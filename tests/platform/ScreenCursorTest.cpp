#include "ScreenCursor.h"

#include <QCursor>
#include <QGuiApplication>
#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

struct CursorCase {
    const char* label;
    std::vector<int> shapes;
    std::optional<Qt::CursorShape> expected; // nullopt: no override at all
    friend void PrintTo(const CursorCase& row, std::ostream* out) { *out << row.label; }
};

class ScreenCursorSequence : public ::testing::TestWithParam<CursorCase> {
protected:
    void TearDown() override { SetScreenCursor(crDefault); }
};

TEST_P(ScreenCursorSequence, HoldsAtMostOneOverride)
{
    for (int shape : GetParam().shapes)
        SetScreenCursor(shape);

    const QCursor* override = QGuiApplication::overrideCursor();
    if (GetParam().expected) {
        EXPECT_EQ(ScreenCursor(), crDrag);
        ASSERT_NE(override, nullptr);
        EXPECT_EQ(override->shape(), *GetParam().expected);
        // One restore must leave no override behind: only one level was pushed.
        // (Qt ignores the restore TearDown then makes on an empty stack.)
        QGuiApplication::restoreOverrideCursor();
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    } else {
        EXPECT_EQ(ScreenCursor(), crDefault);
        EXPECT_EQ(override, nullptr);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, ScreenCursorSequence,
    ::testing::Values(CursorCase{"drag", {crDrag}, Qt::DragMoveCursor},
                      CursorCase{"drag_twice", {crDrag, crDrag}, Qt::DragMoveCursor},
                      CursorCase{"drag_twice_then_default", {crDrag, crDrag, crDefault}, std::nullopt},
                      CursorCase{"default_twice", {crDrag, crDefault, crDefault}, std::nullopt},
                      CursorCase{"drag_again_after_default", {crDrag, crDefault, crDrag},
                                 Qt::DragMoveCursor}));

} // namespace
