#include "QtPrinting.h"
#include "WindowPlacement.h"

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>

namespace {

struct PlacementCase {
    const char* label;
    std::function<void(QWidget&)> prepare;
    friend void PrintTo(const PlacementCase& row, std::ostream* out) { *out << row.label; }
};

class WindowPlacementOffscreen : public ::testing::TestWithParam<PlacementCase> {
};

// Offscreen windows may or may not get a frame; either way the window's
// outer rectangle must end up where the layout put it.
TEST_P(WindowPlacementOffscreen, OuterRectangleEndsWhereAsked)
{
    const QRect outer(33, 15, 645, 352);
    QWidget window;
    GetParam().prepare(window);
    PlaceWindowByOuterGeometry(&window, outer);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();

    EXPECT_EQ(window.frameGeometry(), outer);
    EXPECT_TRUE(window.geometry() == outer || window.frameGeometry() != window.geometry());
}

INSTANTIATE_TEST_SUITE_P(
    Windows, WindowPlacementOffscreen,
    ::testing::Values(PlacementCase{"resizable", [](QWidget&) {}},
                      PlacementCase{"fixed_size", [](QWidget& w) { w.setFixedSize(300, 200); }},
                      PlacementCase{"shown_before", [](QWidget& w) {
                                        w.show();
                                        (void)QTest::qWaitForWindowExposed(&w);
                                    }}));

} // namespace
