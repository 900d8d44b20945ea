// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice_window/TForm1.h"

#include "engine/Judge.h"
#include "engine/NewProblem.h"
#include "engine/PracticeRun.h"
#include "platform/ApplicationHelp.h"
#include "platform/EventGuard.h"
#include "platform/SoundPlayer.h"
#include "session/Wording.h"
#include "widgets/PictureBox.h"
#include "widgets/RadioGroup.h"
#include "widgets/SpeedButton.h"

#include <QLineEdit>
#include <QPushButton>

void TForm1::WireRunControls()
{
    connect(SpeedButton1, &QPushButton::clicked, this, &TForm1::SpeedButton1Click);
    connect(Button12, &QPushButton::clicked, this, &TForm1::Button12Click);
    connect(Button14, &QPushButton::clicked, this, &TForm1::Button14Click);
    connect(SpeedButton2, &QPushButton::clicked, this, &TForm1::SpeedButton2Click);
    connect(Button13, &QPushButton::clicked, this, &TForm1::Button13Click);
}

// One button starts, judges and moves on; what it does next follows the
// phase alone, never its caption.
void TForm1::SpeedButton1Click()
{
    RunGuarded([&] {
        if (DrawsNextProblem(state_))
            NextProblem(state_);
        else
            JudgeProblem();
    });
}

void TForm1::NextProblem(ExerciseState runBeforePress)
{
    // A problem that cannot be shown must never be judged: should showing it
    // fail, the run goes back to where it stood before the press (problem,
    // counters, phase), with the sheet and the caption as they were. The
    // next press draws afresh.
    try {
        ShowModelAnswerWindow(false);
        NewProblem(state_, RadioGroup1->ItemIndex(), RadioGroup2->ItemIndex(), RadioGroup3->ItemIndex(), random_);
        PresentProblem();
    } catch (...) {
        state_ = std::move(runBeforePress);
        throw;
    }
    // NewProblem has opened the problem already: the phase is FirstTry.
    SpeedButton1->setText(QStringLiteral("はんてい"));
}

void TForm1::JudgeProblem()
{
    // The notation is judged by the operation selected now.
    const Judgement judgement = JudgeEntries(state_, OperationForKind(RadioGroup3->ItemIndex()));
    const Verdict& verdict = VerdictFor(judgement);
    Edit8->setText(QString::fromUtf8(TextOf(verdict.answerMessage)));
    Edit13->setText(QString::fromUtf8(TextOf(verdict.notationMessage)));
    // Should the result picture fail to load, nothing after it happens: the
    // judgement is not recorded and the same entries can be judged again.
    Image10->LoadFromFile(QString::fromLatin1(FileOf(verdict.picture)));
    PlaySoundFile(QString::fromLatin1(FileOf(verdict.sound)));
    RecordJudgement(state_, judgement.AnswerRight);
    if (judgement.AnswerRight) {
        SpeedButton1->setText(QStringLiteral("つぎをやる"));
        ShowCounts();
    }
}

void TForm1::ShowCounts()
{
    Edit17->setText(QString::number(state_.ProblemCount));
    Edit18->setText(QString::number(Score(state_)));
}

void TForm1::Button12Click()
{
    RunGuarded([&] {
        // A fresh run: the counters start again and its first problem is
        // drawn from the settings as they stand.
        const ExerciseState runBeforePress = state_;
        RestartRun(state_);
        NextProblem(runBeforePress);
        Edit17->clear();
        Edit18->clear();
    });
}

void TForm1::Button14Click()
{
    RunGuarded([&] {
        // Before the first problem there is nothing to show and no score to
        // give, so the button changes nothing.
        if (!HasDrawnProblem(state_))
            return;
        CloseWithoutJudging(state_);
        ShowCounts();
        SpeedButton1->setText(QStringLiteral("つぎをやる"));
        ShowModelAnswerWindow(true);
    });
}

void TForm1::SpeedButton2Click()
{
    RunGuarded([&] {
        SetApplicationHelpFile(QString::fromStdString(state_.ProgramDir) + QStringLiteral("zumirano.hlp"));
        ShowHelpContents();
    });
}

void TForm1::ShowModelAnswerWindow(bool visible)
{
    if (!Form2)
        return;
    Form2->setVisible(visible);
    // Found open, perhaps behind this window since a click here, it comes
    // to the front again.
    if (visible) {
        Form2->raise();
        Form2->activateWindow();
    }
}
