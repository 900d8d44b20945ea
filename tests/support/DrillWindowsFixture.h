// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model_answer_window/TForm2.h"
#include "practice_window/TForm1.h"
#include "session/PracticeSession.h"
#include "tests/support/Recorded.h"
#include "tests/support/ScratchAssetDirectory.h"

#include <QTest>
#include <gtest/gtest.h>

#include <initializer_list>
#include <ostream>

class PictureBox;
class QLineEdit;

// Lets GoogleTest show QStrings as text in failure messages.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

// The drill as start-up leaves it: the practice window on screen with
// "おてほん" handed to it, the working directory a scratch copy of the assets,
// error boxes and sound requests recorded instead of shown. Every gesture goes
// in through a window's platform handle, so Qt routes it as the real pointer:
// to the control under it, to the one holding the grab while a button is down.
class DrillWindowsFixture : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A point of a control, its centre unless given, in its window.
    static QPoint at(const QWidget* control) { return at(control, control->rect().center()); }
    static QPoint at(const QWidget* control, QPoint local) { return control->mapTo(control->window(), local); }
    void moveTo(QPoint point) { QTest::mouseMove(form.windowHandle(), point); }
    // Clicks a control of either window; it must be the one under the pointer.
    void click(const QWidget* control, Qt::MouseButton button = Qt::LeftButton);
    // Drags the key's symbol onto the target: pressed on the key, released
    // over the target, where the next move lets go of it.
    void carry(const QWidget* key, const QWidget* target);
    // The digits of a number into the answer row, right-aligned.
    void writeAnswer(std::int32_t number);
    // Clicks an item of "しゅるい": 0 たしざん, 1 ひきざん.
    void selectKind(int index);
    // Sets the given problem up as the main button would draw it, and shows
    // it; an open problem is replaced, counted once.
    void pose(Operation operation, std::int32_t upper, std::int32_t lower);
    void restoreAsset(const QString& fileName) const;

    // A finger on a touch screen: put down and lifted at a control, or put
    // down at one point, slid to another and lifted there.
    void tap(const QWidget* control);
    void touchDrag(QPoint from, QPoint to);

    // Shown texts run together and shown picture files without ".bmp"; "·"
    // stands for a hidden control.
    static QString texts(std::initializer_list<const QLineEdit*> cells);
    static QString files(std::initializer_list<const PictureBox*> pictures);

    ScratchAssetDirectory assets;
    ErrorBoxes boxes;
    SoundRequests sounds;
    RecordedErrorBoxes recordingBoxes{boxes};
    RecordedSounds recordingSounds{sounds};
    PracticeSession session{1234};
    TForm1 form{session};
    TForm2 form2;
};
