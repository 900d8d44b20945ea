// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/DrillWindowsFixture.h"

#include "platform/ApplicationHelp.h"
#include "platform/HelpViewer.h"
#include "widgets/SpeedButton.h"

#include <QDir>
#include <QTextBrowser>

namespace {

using PracticeRun = DrillWindowsFixture;

// The help button opens zumirano.hlp of the program directory. (That it
// comes up in the one viewer however often it is asked for is a test of the
// help viewer's own; the verdicts, sounds and pictures of a run are the
// session's, and the window draws them as the golden images show.)
TEST_F(PracticeRun, HelpOpensTheFileOfTheProgramDirectory)
{
    click(form.SpeedButton2);
    const HelpViewer* viewer = ApplicationHelpViewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(ApplicationHelpFile(), QDir::currentPath() + "/zumirano.hlp");
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_TRUE(viewer->browser()->toPlainText().startsWith("ぽろみんか の つかいかた"));
}

} // namespace
