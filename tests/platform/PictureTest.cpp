// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileOpenError.h"
#include "tests/support/ScratchAssetDirectory.h"
#include "widgets/PictureBox.h"

#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <tuple>

namespace {

// A box sizes itself to each picture and keeps the last one through a failed
// load; with auto-size off it keeps its own size until auto-size is back on.
TEST(PictureBox, SizesToItsPictureAndKeepsItAfterAFailedLoad)
{
    ScratchAssetDirectory scratch;
    PictureBox box;
    box.LoadFromFile("n1.bmp");
    const QImage shown = box.Picture().toImage();
    EXPECT_THROW(box.LoadFromFile("absent.bmp"), FileOpenError);
    EXPECT_EQ(box.PictureFileName().toStdString(), "n1.bmp");
    EXPECT_EQ(box.size(), QSize(41, 35));
    EXPECT_EQ(box.Picture().toImage(), shown);
    box.SetAutoSize(false);
    box.resize(30, 20);
    box.SetPicture(QPixmap(81, 81));
    EXPECT_EQ(box.size(), QSize(30, 20));
    box.SetAutoSize(true);
    EXPECT_EQ(box.size(), QSize(81, 81));
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
// click counts once. Moves are heard with no button held, as the boxes that
// take a carried symbol track the mouse, and no mouse event reaches the parent.
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
    QSignalSpy clicks(box, &PictureBox::clicked), moves(box, &PictureBox::mouseMoved);
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
    moves.clear();
    QTest::mouseMove(window, in + QPoint(1, 1));
    QTest::mouseMove(window, in + QPoint(2, 2));
    EXPECT_EQ(moves.count(), 2) << "moves are heard with no button held";
    EXPECT_EQ(parent.mouseEvents, 0);
}

} // namespace
