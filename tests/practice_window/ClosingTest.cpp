#include "PracticeWindowTest.h"

#include "TForm2.h"

#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

namespace {

class ClosingTest;

struct ClosingCase {
    const char* label;
    // What the child was doing when "おしまい" was clicked.
    void (*before)(ClosingTest&);
    friend void PrintTo(const ClosingCase& row, std::ostream* out) { *out << row.label; }
};

class ClosingTest : public PracticeWindowCaseTest<ClosingCase> {
public:
    void carryFive()
    {
        click(form.Button5);
        ASSERT_EQ(state.HeldDigit, 5);
    }

    void openModelAnswer()
    {
        click(form.SpeedButton1);
        click(form.Button14);
        ASSERT_TRUE(form2.isVisible());
    }

protected:
    TForm2 form2{state};
};

// Closing the practice window is the end of the program: nothing else it
// opened may keep the application running.
TEST_P(ClosingTest, EndsTheProgramWhateverElseIsGoingOn)
{
    form.SetModelAnswerWindow(&form2);
    GetParam().before(*this);
    ASSERT_FALSE(HasFatalFailure());
    QSignalSpy lastWindowClosed(qApp, &QGuiApplication::lastWindowClosed);

    // Qt tells of the last window closing only from within the running
    // event loop, as it runs in the program; a stuck window ends it anyway.
    QTimer::singleShot(0, &form, [this] { click(form.Button13); });
    QTimer giveUp;
    giveUp.callOnTimeout(qApp, &QCoreApplication::quit);
    giveUp.start(5000);
    QApplication::exec();

    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(lastWindowClosed.count(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    PracticeWindow, ClosingTest,
    testing::Values(ClosingCase{"idle", [](ClosingTest&) {}},
                    ClosingCase{"carrying a symbol", [](ClosingTest& test) { test.carryFive(); }},
                    ClosingCase{"model answer shown", [](ClosingTest& test) { test.openModelAnswer(); }}));

} // namespace
