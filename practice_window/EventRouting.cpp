// SPDX-License-Identifier: GPL-3.0-or-later
#include "model_answer_window/TForm2.h"
#include "platform/EventGuard.h"
#include "practice_window/TForm1.h"
#include "widgets/EntryCell.h"
#include "widgets/Panel.h"
#include "widgets/PictureBox.h"
#include "widgets/RadioGroup.h"
#include "layout/SettingItems.h"
#include "widgets/SpeedButton.h"

#include <QMouseEvent>
#include <QPushButton>

void TForm1::Act(const std::function<void(PracticeSession&)>& event)
{
    RunGuarded([&] {
        event(session_);
        Refresh();
    });
}

void TForm1::RouteEntryGestures()
{
    // Answer and notation cells take a carried symbol, step and are typed
    // into alike; they differ only in the row they belong to.
    const auto routeCell = [this](EntryCell* cell, Target target) {
        connect(cell, &EntryCell::mouseMoved, this, [=, this] { Act([=](auto& s) { s.PointerEnters(target); }); });
        connect(cell, &EntryCell::pressed, this, [=, this](Qt::MouseButton button) {
            const StepDirection direction = button == Qt::LeftButton ? StepDirection::Forwards : StepDirection::Backwards;
            Act([=](auto& s) { s.PressCell(target, direction); });
        });
        connect(cell, &EntryCell::tapped, this, [=, this] { Act([=](auto& s) { s.Tap(target); }); });
        connect(cell, &EntryCell::typed, this, [=, this](std::int32_t slot) {
            Act([=](auto& s) { slot == BLANK ? s.EraseCell(target) : s.TypeDigit(target, slot); });
        });
    };
    for (int column = 0; column < 4; ++column)
        routeCell(columns_.answerCells[column], AnswerCell(column));
    for (int column = 0; column < 3; ++column) {
        routeCell(columns_.notationCells[column], NotationCell(column));
        PictureBox* upperDigit = columns_.upperDigits[column];
        connect(upperDigit, &PictureBox::mouseMoved, this,
                [=, this] { Act([=](auto& s) { s.PointerEnters(UpperDigit(column)); }); });
        connect(upperDigit, &PictureBox::clicked, this, [=, this] { Act([=](auto& s) { s.ClickUpperDigit(column); }); });
        connect(upperDigit, &PictureBox::tapped, this, [=, this] { Act([=](auto& s) { s.Tap(UpperDigit(column)); }); });
    }
    // Only the problem and keypad panels follow the pointer over their bare
    // background; the counters and settings panels keep a carried symbol.
    for (Panel* panel : {Panel1, Panel2})
        connect(panel, &Panel::backgroundMouseMoved, this, [this] { Act([](auto& s) { s.PointerEnters(BACKGROUND); }); });
    for (RadioGroup* group : {RadioGroup1, RadioGroup2, RadioGroup3})
        connect(group, &RadioGroup::itemChosen, this, &TForm1::ChooseSettings);
}

void TForm1::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    Act([](PracticeSession& s) { s.PointerEnters(BACKGROUND); });
}

void TForm1::ChooseSettings()
{
    const DrillSettings settings =
        SettingsFromItems(RadioGroup1->ItemIndex(), RadioGroup2->ItemIndex(), RadioGroup3->ItemIndex());
    Act([=](PracticeSession& s) { s.ChooseSettings(settings); });
}

void TForm1::RouteRunButtons()
{
    connect(SpeedButton1, &QPushButton::clicked, this, [this] { Act([](auto& s) { s.PressMainButton(); }); });
    connect(Button12, &QPushButton::clicked, this, [this] { Act([](auto& s) { s.Restart(); }); });
    connect(Button14, &QPushButton::clicked, this, [this] { Act([](auto& s) { s.ShowWorkedAnswer(); }); });
    connect(SpeedButton2, &QPushButton::clicked, this, [this] { Act([](auto& s) { s.AskForHelp(); }); });
    connect(Button13, &QPushButton::clicked, this, &QWidget::close);
}

void TForm1::SetModelAnswerWindow(TForm2* form2)
{
    Form2 = form2;
    connect(Form2, &TForm2::putAway, this, [this] { Act([](auto& s) { s.PutAwayWorkedAnswer(); }); });
}
