// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/PracticeSession.h"
#include "session/SessionView.h"
#include "widgets/ColumnBuilder.h"

#include <QString>
#include <QWidget>

#include <functional>

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
class TForm2;

// The practice window: the settings, the column sum the child works on, the
// keypad strip, the counters and the buttons that drive a practice run. It
// hands every mouse, finger and key event to the practice session as the
// event the child meant, and draws the session's view; it decides nothing.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(PracticeSession& session, QWidget* parent = nullptr);

    // "おてほん", shown and put away as the session says.
    void SetModelAnswerWindow(TForm2* form2);

    // Draws the session's view as it stands now. Every picture the change
    // needs is read first; one that cannot be read is reported back to the
    // session, and the view it falls back to is drawn instead.
    void Refresh();

    // The controls, by the names the rest of the program, its tests and
    // screen readers know them by.
    Panel* Panel1;            // the problem: the column sum, messages, result
    Panel* Panel2;            // the keypad strip
    Panel* Panel3;            // the counters, restart, help and quit
    Panel* Panel4;            // the settings
    EntryCell* Edit9;         // answer cells, thousands to units
    EntryCell* Edit10;
    EntryCell* Edit11;
    EntryCell* Edit12;
    EntryCell* Edit14;        // notation cells above the thousands to the tens
    EntryCell* Edit15;
    EntryCell* Edit16;
    QLineEdit* Edit8;         // the message on the answer
    QLineEdit* Edit13;        // the message on the notation
    QLineEdit* Edit17;        // problems done
    QLineEdit* Edit18;        // the score
    PictureBox* Image1;       // upper number, thousands to units
    PictureBox* Image2;
    PictureBox* Image3;
    PictureBox* Image4;
    PictureBox* Image5;       // the operator sign
    PictureBox* Image6;       // lower number, thousands to units
    PictureBox* Image7;
    PictureBox* Image8;
    PictureBox* Image9;
    PictureBox* Image10;      // the mascot or the verdict's picture
    QFrame* Shape1;           // the rule line
    QPushButton* Button14;    // "せいかいを見る": give up and show おてほん
    SpeedButton* SpeedButton1;  // the main button: はじめる, はんてい, つぎをやる
    SpeedButton* SpeedButton2;  // help
    KeypadKey* Button1;       // keypad "１" to "９"
    KeypadKey* Button2;
    KeypadKey* Button3;
    KeypadKey* Button4;
    KeypadKey* Button5;
    KeypadKey* Button6;
    KeypadKey* Button7;
    KeypadKey* Button8;
    KeypadKey* Button9;
    KeypadKey* Button10;      // keypad "０"
    KeypadKey* Button11;      // keypad "／", the slash that strikes a digit
    QPushButton* Button12;    // "はじめから": restart the run
    QPushButton* Button13;    // "おしまい": quit
    QLabel* Label1;           // "もん" after the problem count
    QLabel* Label2;           // "てん" after the score
    RadioGroup* RadioGroup1;  // はんい: how large the numbers grow
    RadioGroup* RadioGroup2;  // くりあがり: whether problems carry or borrow
    RadioGroup* RadioGroup3;  // しゅるい: たしざん or ひきざん

signals:
    // The view just drawn, for the private record of the run.
    void sheetDrawn(const SessionView& view);

protected:
    // A move over the bare window lets go of a carried symbol.
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void BuildProblemPanel();
    void BuildKeypadPanel();
    void BuildCounterPanel();
    void BuildSettingsPanel();
    void SetTabOrder();
    void FormCreate();

    // From Qt's signals to the session's events (EventRouting.cpp).
    void RouteEntryGestures();
    void RouteRunButtons();
    // Hands one event to the session and draws the outcome.
    void Act(const std::function<void(PracticeSession&)>& event);
    void ChooseSettings();

    // Drawing the view (SheetDrawing.cpp).
    void DrawSheet(const SessionView& view, bool newSheet);
    void DrawWorkedAnswer(const SessionView& view);
    void PlayEffects(const SessionView& view);

    PracticeSession& session_;
    // What the window shows now.
    SessionView drawn_;
    // The directory the program started in, with a separator: the help file
    // is looked up there.
    QString programDirectory_;
    TForm2* Form2 = nullptr;

    ColumnControls<EntryCell> columns_;
};
