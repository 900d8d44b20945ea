// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/DrillWindowsFixture.h"

#include "platform/ProgramZoom.h"
#include "platform/WindowPlacement.h"
#include "platform/WindowZoom.h"
#include "widgets/KeypadKey.h"
#include "widgets/Panel.h"

#include <QMessageBox>
#include <QScreen>

#include <cmath>
#include <optional>
#include <tuple>

namespace {

using WindowZoom = DrillWindowsFixture;

int zoomed(int length, double zoom)
{
    return static_cast<int>(std::lround(length * zoom));
}

// Started without a zoom the window takes the start-up zoom for its screen;
// resized, its content fills the client as far as its
// proportions allow, centred in the rest. A fixed zoom stays whatever the
// size. A message box's words are drawn at it. (おてほん opened at zoom 2 is
// the golden image's, whole on a small screen the window-reach test's.)
TEST_F(WindowZoom, ContentFollowsTheWindowUnlessTheZoomIsFixed)
{
    const QRect screen = form.screen()->availableGeometry();
    ZoomMainWindow(&form, std::nullopt);
    EXPECT_DOUBLE_EQ(ZoomOf(&form), StartupZoom(QSize(645, 352), screen.size()));
    // The client of the laid-out 645 × 352, with whatever frame the window has.
    const QSize laidOut = LaidOutClientSize(&form);
    const QSize wide(laidOut.width() * 3, laidOut.height() * 2);
    const QSize high(laidOut.width(), laidOut.height() * 3 / 2);

    // What the window went through, the zoom it was fixed at, its client's
    // size and the zoom its content then takes.
    const std::tuple<const char*, std::optional<double>, QSize, double> rows[] = {
        {"twice the size", std::nullopt, laidOut * 2, 2},
        {"three times as wide, twice as high", std::nullopt, wide, 2},
        {"half again as high", std::nullopt, high, 1},
        {"half the size", std::nullopt, ZoomedRect(QRect(QPoint(), laidOut), 0.5).size(), 0.5},
        {"fixed at 1.5, made twice the size", 1.5, laidOut * 2, 1.5},
    };
    for (const auto& [what, fixed, client, zoom] : rows) {
        SCOPED_TRACE(what);
        ZoomMainWindow(&form, fixed);
        form.resize(client);
        QCoreApplication::processEvents();
        ASSERT_EQ(form.size(), client);
        EXPECT_DOUBLE_EQ(ZoomOf(&form), zoom);
        EXPECT_DOUBLE_EQ(ProgramZoom(), zoom);
        // Centred to the pixel on the left or top.
        const QPoint margin = fixed ? QPoint()
                                    : QPoint((client.width() - zoomed(laidOut.width(), zoom)) / 2,
                                             (client.height() - zoomed(laidOut.height(), zoom)) / 2);
        EXPECT_EQ(form.Panel4->pos(), margin + QPoint(zoomed(6, zoom), zoomed(6, zoom)));
        EXPECT_EQ(form.Button7->geometry(), ZoomedRect(QRect(230, 6, 27, 27), zoom));
        EXPECT_EQ(form.Button7->font().pixelSize(), std::floor(16 * zoom));
    }

    // A message box speaks at the program's zoom.
    ZoomMainWindow(&form, 2);
    QMessageBox box;
    const double plain = box.font().pointSizeF();
    box.setFont(AtProgramZoom(box.font()));
    EXPECT_DOUBLE_EQ(box.font().pointSizeF(), 2 * plain);
}

} // namespace
