// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ApplicationHelp.h"
#include "platform/ApplicationTitle.h"
#include "platform/EventGuard.h"
#include "platform/HelpViewer.h"
#include "platform/ScreenCursor.h"
#include "platform/WindowPlacement.h"
#include "tests/support/RecordedErrorBoxes.h"
#include "tests/support/ScratchAssetDirectory.h"

#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <vector>

namespace {

TEST(RunGuarded, ShowsOneErrorBoxAndSkipsTheRestOfTheBody)
{
    const struct { const char* label; std::function<void()> body; ErrorBoxes boxes; } cases[] = {
        {"runs through", [] {}, {}},
        {"picture missing", [] { throw FileOpenError("すうじ.bmp"); }, {{"ぽろみんか", "ﾌｧｲﾙ すうじ.bmp は開けません。"}}},
        {"other failure", [] { throw std::runtime_error("こわれた"); }, {{"ぽろみんか", "こわれた。"}}},
    };
    SetApplicationTitle(QStringLiteral("ぽろみんか"));
    ErrorBoxes boxes;
    const RecordedErrorBoxes recording(boxes);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        boxes.clear();
        bool finished = false;
        EXPECT_NO_THROW(RunGuarded([&] { c.body(); finished = true; }));
        EXPECT_EQ(finished, c.boxes.empty());
        EXPECT_EQ(boxes, c.boxes);
    }
}

// However often the shape is set, one restore leaves no override behind.
TEST(ScreenCursor, HoldsAtMostOneOverrideLevel)
{
    const std::vector<int> sequences[] = {
        {crDrag}, {crDrag, crDrag}, {crDrag, crDrag, crDefault}, {crDrag, crDefault, crDefault}, {crDrag, crDefault, crDrag}};
    for (const std::vector<int>& shapes : sequences) {
        SCOPED_TRACE(::testing::PrintToString(shapes));
        for (const int shape : shapes)
            SetScreenCursor(shape);
        EXPECT_EQ(ScreenCursor(), shapes.back());
        // No override at all reads as the arrow: every widget shows its own.
        const QCursor* override = QGuiApplication::overrideCursor();
        EXPECT_EQ(override ? override->shape() : Qt::ArrowCursor,
                  shapes.back() == crDrag ? Qt::DragMoveCursor : Qt::ArrowCursor);
        QGuiApplication::restoreOverrideCursor();
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        SetScreenCursor(crDefault);
    }
}

// A link within the help file scrolls down to its anchor; asked for again,
// the help comes up in the same window, back at the top.
TEST(Help, AskedForAgainReusesTheWindowAtTheTop)
{
    ScratchAssetDirectory scratch;
    SetApplicationHelpFile("zumirano.hlp");
    ShowHelpContents();
    HelpViewer* first = ApplicationHelpViewer();
    ASSERT_NE(first, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(first));
    QTextBrowser* browser = first->browser();
    QTextCursor link = browser->document()->find("おうちの かた");
    link.setPosition(link.selectionStart() + 2);
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, browser->cursorRect(link).center());
    ASSERT_GT(browser->verticalScrollBar()->value(), 0);
    ShowHelpContents();
    EXPECT_EQ(ApplicationHelpViewer(), first);
    EXPECT_EQ(browser->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(browser->toPlainText().startsWith("ぽろみんか の つかいかた"));
    first->close();
}

// Offscreen windows may or may not get a frame; either way the outer
// rectangle must end up where the layout put it.
TEST(WindowPlacement, OuterRectangleEndsWhereAsked)
{
    const std::pair<const char*, std::function<void(QWidget&)>> cases[] = {
        {"resizable", [](QWidget&) {}},
        {"fixed size", [](QWidget& w) { w.setFixedSize(300, 200); }},
        {"shown before", [](QWidget& w) { w.show(); (void)QTest::qWaitForWindowExposed(&w); }}};
    const QRect outer(33, 15, 645, 352);
    for (const auto& [label, prepare] : cases) {
        SCOPED_TRACE(label);
        QWidget window;
        prepare(window);
        PlaceWindowByOuterGeometry(&window, outer);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();
        EXPECT_EQ(window.frameGeometry(), outer);
    }
}

} // namespace
