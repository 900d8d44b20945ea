// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/DrillWindowsFixture.h"

#include "engine/WorkedAnswer.h"
#include "tests/support/CurrentDirectoryGuard.h"
#include "widgets/EntryCell.h"
#include "widgets/SpeedButton.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

namespace {

using PracticeWindowStartup = DrillWindowsFixture;

// Tab runs from the units answer leftwards, then the notation, passing the
// message lines by.
TEST_F(PracticeWindowStartup, TabRunsFromTheUnitsAnswerLeftwards)
{
    pose(Operation::Addition, 1234, 5678);
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    click(form.Edit12);
    ASSERT_EQ(QApplication::focusWidget(), form.Edit12);
    for (const QWidget* next : std::initializer_list<const QWidget*>{
             form.Edit11, form.Edit10, form.Edit9, form.Edit16, form.Edit15, form.Edit14, form.Button14}) {
        QTest::keyClick(form.windowHandle(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << "expected " << next->objectName().toStdString();
    }
}

// The window reads its working directory whole, in whatever script, and
// puts the exercise state to its start values.
TEST(PracticeWindowProgramDir, KeepsTheWholeWorkingDirectory)
{
    const CurrentDirectoryGuard previous;
    const QTemporaryDir root;
    const QString path = QDir(root.path()).canonicalPath() + QStringLiteral("/さんすう");
    ASSERT_TRUE(QDir().mkpath(path) && QDir::setCurrent(path));
    ExerciseState state;
    PoseProblem(state, Operation::Subtraction, 305, 8);
    state.HeldDigit = 4;
    state.FirstTryCount = 1;
    RandomSource random;
    const TForm1 form(state, random);
    ExerciseState fresh;
    fresh.ProgramDir = (path + "/").toStdString();
    EXPECT_EQ(StateFields(state), StateFields(fresh));
}

using PracticeWindowClosing = DrillWindowsFixture;

// Closing the practice window ends the program even with "おてほん" and the
// help window up.
TEST_F(PracticeWindowClosing, OshimaiEndsTheProgramWithTheOtherWindowsOpen)
{
    click(form.SpeedButton1);
    click(form.Button14);
    click(form.SpeedButton2);
    ASSERT_TRUE(form2.isVisible());
    QSignalSpy lastWindowClosed(qApp, &QGuiApplication::lastWindowClosed);
    // Qt tells of the last window closing only from within the running event
    // loop, as in the program; a window keeping it alive fails after a second.
    QTimer::singleShot(0, &form, [this] { click(form.Button13); });
    QTimer stuck;
    stuck.callOnTimeout(qApp, [] { QApplication::exit(1); });
    stuck.start(1000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(lastWindowClosed.count(), 1);
}

} // namespace
