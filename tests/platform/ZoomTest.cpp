// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramZoom.h"
#include "platform/ZoomedHtml.h"

#include <gtest/gtest.h>

namespace {

// The practice window as laid out, frame and caption included.
const QSize practiceWindow(645, 352);

// The start-up zoom on common screens, at the desktop scales people set. Qt
// gives the available area in points: the screen's pixels over the scale,
// less any panel. The window takes 80 % of the width or the height, whichever
// is tighter, less than 1 on a small screen, and no more than 4.
TEST(StartupZoom, TakesFourFifthsOfTheTighterSideOfTheScreen)
{
    struct Row {
        const char* screen;
        QSize pixels;
        double scale;
        int panel;
        double zoom;
    };
    const Row rows[] = {
        {"1366×768 laptop", {1366, 768}, 1, 0, 1.694},
        {"1366×768 with a 32-point top panel", {1366, 768}, 1, 32, 1.673},
        {"1024×768 at 200 %", {1024, 768}, 2, 0, 0.635},
        {"800×600 netbook", {800, 600}, 1, 0, 0.992},
        {"3840×2160", {3840, 2160}, 1, 0, 4},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.screen);
        const QSize available = (QSizeF(row.pixels) / row.scale).toSize() - QSize(0, row.panel);
        const double zoom = StartupZoom(practiceWindow, available);
        EXPECT_NEAR(zoom, row.zoom, 0.001);
        EXPECT_TRUE(available.expandedTo(practiceWindow * zoom) == available);
    }
}

// The help page scaled: the point and pixel lengths of its styles and its
// tables' cell padding, and nothing else that looks like a number.
TEST(ZoomedHtml, ScalesTheLengthsOfStylesAndPaddingOnly)
{
    const std::tuple<const char*, double, const char*> rows[] = {
        {R"(<p style="font-size:15pt; color:#22336e;">12pt を 2 ばい</p>)", 2,
         R"(<p style="font-size:30pt; color:#22336e;">12pt を 2 ばい</p>)"},
        {R"(<p style="font-size:19pt; font-weight:bold; margin-top:18px;">)", 1.5,
         R"(<p style="font-size:29pt; font-weight:bold; margin-top:27px;">)"},
        {R"(<table cellpadding="6" border="0"><tr><td style="font-size:22pt;">)", 0.5,
         R"(<table cellpadding="3" border="0"><tr><td style="font-size:11pt;">)"},
        {R"(<a name="top"></a><p>１０までつかう 100px</p>)", 3, R"(<a name="top"></a><p>１０までつかう 100px</p>)"},
    };
    for (const auto& [html, zoom, zoomed] : rows)
        EXPECT_EQ(ZoomedHtml(QString::fromUtf8(html), zoom).toStdString(), zoomed) << html;
}

} // namespace
