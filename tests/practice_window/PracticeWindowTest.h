#pragma once

#include "ApplicationTitle.h"
#include "EntryCell.h"
#include "ErrorBox.h"
#include "ExerciseState.h"
#include "KeypadKey.h"
#include "Panel.h"
#include "PictureBox.h"
#include "RadioGroup.h"
#include "RandomSource.h"
#include "ScratchAssetDirectory.h"
#include "ScreenCursor.h"
#include "SpeedButton.h"
#include "TForm1.h"
#include "WorkedAnswer.h"

#include <QString>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

#include <ostream>
#include <utility>
#include <vector>

// Lets GoogleTest show QStrings as text in failure messages.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

// The practice window on screen in a scratch copy of the pictures and
// sounds, its error boxes recorded instead of shown. Every gesture goes in
// through the window's platform handle, so Qt routes it as it routes the
// real pointer: to the control under it, to the control holding the implicit
// grab while a button is down, and on to parents that are offered it.
class PracticeWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        SetApplicationTitle(QStringLiteral("ぽろみんか"));
        SetErrorBoxRecorder([this](const QString& title, const QString& text) { boxes.emplace_back(title, text); });
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        random.seed(1234);
    }

    void TearDown() override
    {
        SetErrorBoxRecorder({});
        // A symbol still carried would leave the drag pointer to the next test.
        SetScreenCursor(crDefault);
    }

    QWindow* window() { return form.windowHandle(); }

    // A control's centre, or a point of it, in window coordinates.
    QPoint at(const QWidget* control) const { return control->mapTo(&form, control->rect().center()); }
    QPoint at(const QWidget* control, QPoint local) const { return control->mapTo(&form, local); }

    void moveTo(QPoint point) { QTest::mouseMove(window(), point); }
    void click(QPoint point, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(window(), button, {}, point);
    }
    void click(const QWidget* control, Qt::MouseButton button = Qt::LeftButton) { click(at(control), button); }

    // Carries the key's symbol onto the control: the symbol is picked up by a
    // click, and let go on the first move over the target.
    void carry(const QWidget* key, const QWidget* target)
    {
        click(key);
        moveTo(at(target));
    }

    // Puts an exact problem on screen: the main button draws one as the child
    // would, and the wanted pair then takes its place.
    void showProblem(std::int32_t operation, std::int32_t upper, std::int32_t lower)
    {
        if (state.Phase == PHASE_CLOSED)
            click(form.SpeedButton1);
        PoseProblem(state, operation, upper, lower);
        form.PresentProblem();
    }

    ScratchAssetDirectory assets;
    std::vector<std::pair<QString, QString>> boxes;
    ExerciseState state;
    RandomSource random;
    TForm1 form{state, random};
};

// The same window for a test run once per row of a table.
template <class Case>
class PracticeWindowCaseTest : public PracticeWindowTest, public testing::WithParamInterface<Case> {};
