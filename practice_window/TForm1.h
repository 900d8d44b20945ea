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
