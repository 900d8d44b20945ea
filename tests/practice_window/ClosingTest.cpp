// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/DrillWindowsFixture.h"

#include "platform/ApplicationHelp.h"
#include "platform/HelpViewer.h"
#include "widgets/SpeedButton.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextBrowser>
#include <QTimer>

namespace {

using PracticeWindow = DrillWindowsFixture;

// The help button opens zumirano.hlp of the program directory. Closing the
// practice window ends the program even with "おてほん" and the help window up.
TEST_F(PracticeWindow, OshimaiEndsTheProgramWithTheOtherWindowsOpen)
{
    click(form.SpeedButton1);
    click(form.Button14);
    click(form.SpeedButton2);
    const HelpViewer* help = ApplicationHelpViewer();
    ASSERT_TRUE(form2.isVisible() && help && help->isVisible());
    EXPECT_EQ(ApplicationHelpFile(), QDir::currentPath() + "/zumirano.hlp");
    EXPECT_TRUE(help->browser()->toPlainText().startsWith("ぽろみんか の つかいかた"));
    QSignalSpy lastWindowClosed(qApp, &QGuiApplication::lastWindowClosed);
    // Qt tells of the last window closing only from within the running event
    // loop, as in the program; a window keeping it alive fails after a second.
    QTimer::singleShot(0, &form, [this] { click(form.Button13); });
    QTimer::singleShot(1000, &form, [] { QApplication::exit(1); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(lastWindowClosed.count(), 1);
}

} // namespace
