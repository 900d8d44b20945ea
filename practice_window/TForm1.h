// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/ExerciseState.h"
#include "engine/RandomSource.h"
#include "widgets/ColumnBuilder.h"

#include <QWidget>

#include <array>
#include <cstdint>

class EntryCell;
class KeypadKey;
class Panel;
class PictureBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class RadioGroup;
class SpeedButton;

// The practice window: the settings, the column sum the child works on, the
// keypad strip, the counters and the buttons that drive a practice run.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    TForm1(ExerciseState& state, RandomSource& random, QWidget* parent = nullptr);

    // The model-answer window, shown by "せいかいを見る" and hidden whenever a
    // new problem is drawn.
    void SetModelAnswerWindow(QWidget* form2) { Form2 = form2; }

    // Lays out the problem NewProblem has just drawn. Every picture it needs
    // is read before the sheet changes: one that cannot be read leaves the
    // sheet as it was.
    void PresentProblem();

    // The controls, by the names the rest of the program knows them by.
    Panel* Panel1;
    Panel* Panel2;
    Panel* Panel3;
    Panel* Panel4;
    EntryCell* Edit9;
    EntryCell* Edit10;
    EntryCell* Edit11;
    EntryCell* Edit12;
    EntryCell* Edit14;
    EntryCell* Edit15;
    EntryCell* Edit16;
    QLineEdit* Edit8;
    QLineEdit* Edit13;
    QLineEdit* Edit17;
    QLineEdit* Edit18;
    PictureBox* Image1;
    PictureBox* Image2;
    PictureBox* Image3;
    PictureBox* Image4;
    PictureBox* Image5;
    PictureBox* Image6;
    PictureBox* Image7;
    PictureBox* Image8;
    PictureBox* Image9;
    PictureBox* Image10;
    QFrame* Shape1;
    QPushButton* Button14;
    SpeedButton* SpeedButton1;
    SpeedButton* SpeedButton2;
    KeypadKey* Button1;
    KeypadKey* Button2;
    KeypadKey* Button3;
    KeypadKey* Button4;
    KeypadKey* Button5;
    KeypadKey* Button6;
    KeypadKey* Button7;
    KeypadKey* Button8;
    KeypadKey* Button9;
    KeypadKey* Button10;
    KeypadKey* Button11;
    QPushButton* Button12;
    QPushButton* Button13;
    QLabel* Label1;
    QLabel* Label2;
    RadioGroup* RadioGroup1;
    RadioGroup* RadioGroup2;
    RadioGroup* RadioGroup3;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void BuildProblemPanel();
    void BuildKeypadPanel();
    void BuildCounterPanel();
    void BuildSettingsPanel();
    void WireDigitEntry();
    void WireRunControls();
    void SetTabOrder();
    void FormCreate();

    // Digit entry.
    void PickUpSymbol(std::int32_t symbol);
    void DropOnCell(EntryCell* cell, std::int32_t& slot);
    void DropOnUpperDigit(int column);
    void ToggleStrike(int column);
    void UpperDigitClick(int column);
    void TapUpperDigit(int column);
    void CancelHold();
    void StepCell(EntryCell* cell, std::int32_t& slot, Qt::MouseButton button);
    void TapCell(EntryCell* cell, std::int32_t& slot);
    void TypeIntoCell(EntryCell* cell, std::int32_t& slot, std::int32_t typed);

    // Practice run.
    void SpeedButton1Click();
    // Draws and shows the next problem; the run as it stood before the
    // press is what it goes back to when the problem cannot be shown.
    void NextProblem(ExerciseState runBeforePress);
    void JudgeProblem();
    void Button12Click();
    void Button14Click();
    void SpeedButton2Click();
    void Button13Click();
    void ShowCounts();
    void ShowModelAnswerWindow(bool visible);

    ExerciseState& state_;
    RandomSource& random_;
    QWidget* Form2 = nullptr;

    ColumnControls<EntryCell> columns_;
};
