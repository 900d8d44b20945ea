// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/DrillWindowsFixture.h"

#include "platform/ApplicationHelp.h"
#include "platform/ErrorBox.h"
#include "platform/HelpViewer.h"
#include "platform/ProgramZoom.h"
#include "platform/WindowZoom.h"
#include "widgets/SpeedButton.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <functional>

namespace {

using WindowReach = DrillWindowsFixture;

// On a screen as small as 1024 × 768 at twice the scale, every window comes
// up whole on the screen, caption and close box within reach: the practice
// window at its start-up zoom, below 1, and the others at the same zoom;
// "おてほん", found open behind the practice window, comes to the front.
TEST_F(WindowReach, EveryWindowComesUpWhollyOnTheScreen)
{
    const QRect screen = form.screen()->availableGeometry();
    ASSERT_LT(screen.width(), 560) << "run on the screen of small_screen.json";
    ZoomMainWindow(&form, std::nullopt);
    QCoreApplication::processEvents();
    EXPECT_LT(ZoomOf(&form), 1);
    // Each opens its window and gives where its frame came up.
    const std::pair<const char*, std::function<QRect()>> windows[] = {
        {"practice window", [this] { return form.frameGeometry(); }},
        {"help", [this] { click(form.SpeedButton2); return ApplicationHelpViewer()->frameGeometry(); }},
        {"おてほん", [this] { click(form.SpeedButton1); click(form.Button14); return form2.frameGeometry(); }},
        {"おてほん behind the practice window", [this] {
             form.activateWindow();
             EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
             click(form.Button14);
             EXPECT_TRUE(QTest::qWaitForWindowActive(&form2));
             return form2.frameGeometry();
         }},
        {"error box", [this] {
             SetErrorBoxRecorder({});
             assets.remove("mascot.bmp");
             QRect frame;
             QTimer::singleShot(0, [&frame] {
                 frame = QApplication::activeModalWidget()->frameGeometry();
                 QApplication::activeModalWidget()->close();
             });
             click(form.SpeedButton1);
             return frame;
         }},
    };
    for (const auto& [what, open] : windows) {
        const QRect frame = open();
        EXPECT_TRUE(screen.contains(frame)) << what << ": " << frame.x() << "," << frame.y() << " " << frame.width()
                                            << "x" << frame.height();
    }
}

} // namespace
