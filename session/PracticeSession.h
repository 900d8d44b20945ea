// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/DigitEntryRules.h"
#include "engine/DrillSettings.h"
#include "engine/ExerciseState.h"
#include "engine/RandomSource.h"
#include "mistakes/Diagnosis.h"
#include "session/SessionView.h"
#include "session/Target.h"

#include <cstdint>
#include <string>
#include <vector>

// A whole practice run, as every screen drives it: the problem, the
// entries, the counters, the carried symbol and the random source live
// here. A front end turns its toolkit's input into the events below and
// draws View() after each; it decides nothing itself.
//
// A picture the screen cannot read is reported back with PictureFailed.
// The event is then taken back as far as it needed the picture: what it did
// before that stays (the verdict's words, the symbol let go, "おてほん" put
// away for a new problem), and the rest is as before the event, so nothing
// unseen is ever judged or counted. A screen therefore reads every picture
// a view needs before it changes anything.
class PracticeSession {
public:
    explicit PracticeSession(RandomSource::result_type seed);

    // The settings as chosen now: the next problem is drawn under them, and
    // the notation is judged and struck by click by their operation.
    void ChooseSettings(const DrillSettings& settings);

    // A keypad key pressed: its digit (0 to 9) or HELD_SLASH is carried.
    void PickUpSymbol(std::int32_t symbol);
    // The mouse pointer moves onto a target. A cell takes the carried
    // symbol; an upper digit takes the slash as a stroke, on or off, and
    // lets go of a digit; the background lets go of anything.
    void PointerEnters(Target target);
    // A finger taps a target: it hands over what it carries, or with nothing
    // carried steps a cell forwards or clicks an upper digit.
    void Tap(Target target);
    // A mouse button pressed on a cell steps its digit.
    void PressCell(Target cell, StepDirection direction);
    // A click on an upper digit strikes it, or takes the stroke away, while
    // ひきざん is chosen.
    void ClickUpperDigit(int column);
    // A digit typed into a cell, or the cell erased.
    void TypeDigit(Target cell, std::int32_t digit);
    void EraseCell(Target cell);

    // "はじめる" / "はんてい" / "つぎをやる": draws the next problem while none
    // is open, judges the open one otherwise.
    void PressMainButton();
    // "はじめから": both counters start again, with a fresh problem.
    void Restart();
    // "せいかいを見る": gives the open problem up and shows "おてほん".
    void ShowWorkedAnswer();
    // "おてほん" closed by its own button or the window's close box.
    void PutAwayWorkedAnswer();
    void AskForHelp();

    // Sets the given problem up in place of a drawn one, as the main button
    // would draw it; an open problem is replaced and still counted once.
    void PoseProblem(Operation operation, std::int32_t upper, std::int32_t lower);

    // The first tries of earlier runs, oldest first, which the diagnosis
    // behind the hints starts from.
    void RememberFirstTries(const std::vector<ExerciseState>& firstTries);
    // A parent's choice: hints after a wrong answer, off unless asked for.
    void ShowHints(bool shown);

    // The screen could not read a picture the last view needs.
    void PictureFailed(const std::string& file);

    SessionView View() const;
    // The problem and the child's entries, for whoever reads the work.
    const ExerciseState& Run() const { return run_; }
    const DrillSettings& Settings() const { return settings_; }

private:
    // What the sheet shows beyond the run itself.
    struct Sheet {
        bool problemShown = false;
        std::int32_t sheetNumber = 0;
        std::array<std::int32_t, 4> answerShown{BLANK, BLANK, BLANK, BLANK};
        std::array<std::int32_t, 3> notationShown{BLANK, BLANK, BLANK};
        Message answerMessage = Message::None;
        Message notationMessage = Message::None;
        std::string hint;
        ResultPicture resultPicture = ResultPicture::Startup;
        std::optional<std::int32_t> shownProblemCount;
        std::optional<std::int32_t> shownScore;
        bool workedAnswerShown = false;
        WorkedSum workedAnswer{};
    };
    struct Effects {
        SoundCue sound = SoundCue::None;
        bool openHelp = false;
        bool raiseWorkedAnswer = false;
        std::string unreadableFile;
        bool firstTryJudged = false;
    };

    // Starts an event: no effect yet, and a failure goes back to here.
    void BeginEvent();
    // What the event has done so far stays, should a picture fail later.
    void KeepOnFailure();

    // The target as the screen has it: a cell or digit not on show is bare
    // background; a column past the row is no target.
    Target Visible(Target target) const;
    std::int32_t* SlotOf(Target cell);
    std::int32_t* ShownOf(Target cell);

    // A pointer or a finger arriving at a target already made visible.
    void Reach(Target target, bool byFinger);
    void DropOnCell(Target cell);
    void DropOnUpperDigit(int column);
    void StrikeByClick(int column);
    void StepCell(Target cell, StepDirection direction);
    void SetCell(Target cell, std::int32_t slot, std::int32_t shown);
    void LetGo();
    void NextProblem(bool restart);
    void PresentProblem();
    void JudgeProblem();
    void ShowCounts();
    // The hint for the entries just judged wrong, or nothing.
    std::string HintForEntries() const;

    ExerciseState run_;
    DrillSettings settings_;
    RandomSource random_;
    Sheet sheet_;
    Effects effects_;
    ExerciseState runOnFailure_;
    Sheet sheetOnFailure_;
    Diagnosis diagnosis_;
    bool hintsShown_ = false;
};
