#pragma once

#include "ExerciseState.h"
#include "RandomSource.h"
#include "ScratchAssetDirectory.h"
#include "TForm1.h"
#include "TForm2.h"

#include <QPoint>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <tuple>
#include <utility>
#include <vector>

// Lets GoogleTest show QStrings as text in failure messages.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

// Every field of the exercise state, copied, so two moments of a run can be
// compared whole.
inline auto StateFields(const ExerciseState& s)
{
    return std::make_tuple(s.HeldDigit, s.Operation, s.Phase, s.ProblemCount, s.FirstTryCount,
                           s.ExpectedMarks, s.EnteredMarks, s.CrossedOut, s.TopDigits, s.BottomDigits,
                           s.EnteredAnswer, s.ExpectedAnswer, s.ProgramDir);
}

// The drill as start-up leaves it: the practice window shown, "おてほん" made
// and handed to it, the working directory a scratch copy of the assets. Error
// boxes and sound requests are recorded instead of shown and only listened to.
// Every gesture goes through a window's own handle, as the pointer would.
class DrillWindows : public ::testing::Test {
protected:
    DrillWindows();
    void SetUp() override;
    void TearDown() override;

    // Where a control's centre lies in its top-level window.
    static QPoint centreOf(QWidget* control);
    // A left click on a control of the window it belongs to.
    void click(QWidget* control);
    // Presses the keypad key of `symbol` (0 to 9, HELD_SLASH), lets go over
    // `target` and nudges the pointer there, which drops what is carried.
    void carry(std::int32_t symbol, QWidget* target);
    // The digits of `number` into the answer row, right-aligned, no leading 0.
    void writeAnswer(std::int32_t number);
    // One digit into the notation cell above `column` (0 thousands … 2 tens).
    void writeMark(int column, std::int32_t digit);
    // The slash carried onto the upper digit of `column`.
    void strike(int column);
    // Clicks an item of "しゅるい": 0 たしざん, 1 ひきざん.
    void selectKind(int index);

    // Replaces the problem the main button has just drawn with an exact one;
    // the counters and the phase stay as drawing left them.
    void pose(std::int32_t operation, std::int32_t upper, std::int32_t lower);
    // Copies an asset back into the scratch directory after it was removed.
    void restoreAsset(const QString& fileName) const;

    // What the practice window shows of a run: captions, messages, counters,
    // entries and the result picture.
    QStringList practiceFace() const;

    ScratchAssetDirectory assets;
    ExerciseState state;
    RandomSource random;
    TForm1 form{state, random};
    TForm2 form2{state};
    std::vector<std::pair<QString, QString>> errorBoxes;
    std::vector<std::pair<QString, bool>> sounds;
};
