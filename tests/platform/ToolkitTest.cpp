// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ApplicationHelp.h"
#include "platform/ApplicationTitle.h"
#include "platform/EventGuard.h"
#include "platform/HelpViewer.h"
#include "platform/WindowPlacement.h"
#include "tests/support/Recorded.h"
#include "tests/support/ScratchAssetDirectory.h"
#include "widgets/PictureBox.h"

#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <tuple>

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

// A link within the help file scrolls down to its anchor; asked for again,
// the help comes up in the same window, back at the top.
TEST(Help, AskedForAgainReusesTheWindowAtTheTop)
{
    ScratchAssetDirectory scratch;
    SetApplicationHelpFile("zumirano.hlp");
    ShowHelpContents();
    QTextBrowser* browser = ApplicationHelpViewer()->browser();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(browser->window()));
    QTextCursor link = browser->document()->find("おうちの かた");
    link.setPosition(link.selectionStart() + 2);
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, browser->cursorRect(link).center());
    ASSERT_GT(browser->verticalScrollBar()->value(), 0);
    ShowHelpContents();
    EXPECT_EQ(browser->verticalScrollBar()->value(), 0);
    browser->window()->close();
}

// Offscreen windows may or may not get a frame; either way the outer
// rectangle must end up where the layout put it.
TEST(WindowPlacement, OuterRectangleEndsWhereAsked)
{
    const std::pair<const char*, std::function<void(QWidget&)>> cases[] = {
        {"resizable", [](QWidget&) {}},
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

// With auto-size off a box keeps its own size whatever picture it is given,
// as the result picture's box does. (Boxes sized to each picture, and
// keeping the last one through a failed load, show on the windows.)
TEST(PictureBox, KeepsItsOwnSizeWhileAutoSizeIsOff)
{
    PictureBox box;
    box.SetAutoSize(false);
    box.resize(30, 20);
    box.SetPicture(QPixmap(81, 81));
    EXPECT_EQ(box.size(), QSize(30, 20));
}

// A parent that counts the mouse events that reach it.
struct MouseCountingParent : QWidget {
    int mouseEvents = 0;
    bool event(QEvent* event) override
    {
        mouseEvents += dynamic_cast<QMouseEvent*>(event) != nullptr;
        return QWidget::event(event);
    }
};

// A click is a left press and a left release inside the box; a quick double
// click counts once. No mouse event reaches the parent, not even a move with
// no button held (the boxes that take a carried symbol track the mouse).
TEST(PictureBox, ClicksOnlyOnALeftPressAndReleaseInsideAndKeepsTheMouseFromItsParent)
{
    MouseCountingParent parent;
    parent.resize(200, 120);
    auto* box = new PictureBox(&parent);
    box->setMouseTracking(true);
    box->SetPicture(QPixmap(41, 35));
    box->move(20, 20);
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    QWindow* window = parent.windowHandle();
    const QPoint in = box->geometry().center();
    QSignalSpy clicks(box, &PictureBox::clicked);
    // Each gesture, with the clicks counted once it is made.
    const std::tuple<const char*, std::function<void()>, int> gestures[] = {
        {"left click", [&] { QTest::mouseClick(window, Qt::LeftButton, {}, in); }, 1},
        {"right click", [&] { QTest::mouseClick(window, Qt::RightButton, {}, in); }, 1},
        {"double click", [&] { QTest::mouseDClick(window, Qt::LeftButton, {}, in); }, 2},
        {"pressed inside", [&] { QTest::mousePress(window, Qt::LeftButton, {}, in); }, 2},
        {"released outside", [&] { QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(150, 100)); }, 2},
    };
    for (const auto& [gesture, make, counted] : gestures) {
        make();
        EXPECT_EQ(clicks.count(), counted) << gesture;
    }
    QTest::mouseMove(window, in + QPoint(1, 1));
    QTest::mouseMove(window, in + QPoint(2, 2));
    EXPECT_EQ(parent.mouseEvents, 0);
}

} // namespace
