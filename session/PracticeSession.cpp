// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/PracticeSession.h"

#include "engine/Judge.h"
#include "engine/NewProblem.h"
#include "engine/PracticeRun.h"
#include "engine/WorkedAnswer.h"
#include "mistakes/Sighting.h"

PracticeSession::PracticeSession(RandomSource::result_type seed)
    : random_(seed)
{
    BeginEvent();
}

void PracticeSession::BeginEvent()
{
    effects_ = {};
    KeepOnFailure();
}

void PracticeSession::KeepOnFailure()
{
    runOnFailure_ = run_;
    sheetOnFailure_ = sheet_;
}

void PracticeSession::ChooseSettings(const DrillSettings& settings)
{
    BeginEvent();
    settings_ = settings;
}

void PracticeSession::PickUpSymbol(std::int32_t symbol)
{
    BeginEvent();
    if (symbol == HELD_SLASH || (symbol >= 0 && symbol <= 9))
        run_.HeldDigit = symbol;
}

Target PracticeSession::Visible(Target target) const
{
    const int columns = target.kind == TargetKind::AnswerCell ? 4
        : target.kind == TargetKind::NotationCell || target.kind == TargetKind::UpperDigit ? 3
                                                                                             : 1;
    if (target.column < 0 || target.column >= columns)
        return NEUTRAL_CONTROL;
    const bool onShow = target.kind == TargetKind::UpperDigit
        ? sheet_.problemShown && run_.TopDigits[target.column] != BLANK
        : sheet_.problemShown;
    if ((target.kind == TargetKind::AnswerCell || target.kind == TargetKind::NotationCell
         || target.kind == TargetKind::UpperDigit) && !onShow)
        return BACKGROUND;
    return target;
}

std::int32_t* PracticeSession::SlotOf(Target cell)
{
    return cell.kind == TargetKind::AnswerCell ? &run_.EnteredAnswer[cell.column] : &run_.EnteredMarks[cell.column];
}

std::int32_t* PracticeSession::ShownOf(Target cell)
{
    return cell.kind == TargetKind::AnswerCell ? &sheet_.answerShown[cell.column]
                                               : &sheet_.notationShown[cell.column];
}

void PracticeSession::SetCell(Target cell, std::int32_t slot, std::int32_t shown)
{
    *SlotOf(cell) = slot;
    *ShownOf(cell) = shown;
}

void PracticeSession::PointerEnters(Target target)
{
    BeginEvent();
    Reach(Visible(target), false);
}

void PracticeSession::Tap(Target target)
{
    BeginEvent();
    Reach(Visible(target), true);
}

void PracticeSession::Reach(Target target, bool byFinger)
{
    // A finger cannot hover a symbol onto its target before touching it:
    // the tap itself hands the symbol over, or, with nothing carried, acts
    // as a press.
    const bool pressing = byFinger && run_.HeldDigit == NO_HELD;
    switch (target.kind) {
    case TargetKind::AnswerCell:
    case TargetKind::NotationCell:
        if (pressing)
            StepCell(target, StepDirection::Forwards);
        else
            DropOnCell(target);
        break;
    case TargetKind::UpperDigit:
        if (pressing)
            StrikeByClick(target.column);
        else
            DropOnUpperDigit(target.column);
        break;
    case TargetKind::Background:
        LetGo();
        break;
    case TargetKind::NeutralControl:
        break;
    }
}

void PracticeSession::PressCell(Target cell, StepDirection direction)
{
    BeginEvent();
    cell = Visible(cell);
    if (cell.kind == TargetKind::AnswerCell || cell.kind == TargetKind::NotationCell)
        StepCell(cell, direction);
}

void PracticeSession::ClickUpperDigit(int column)
{
    BeginEvent();
    if (Visible(UpperDigit(column)).kind == TargetKind::UpperDigit)
        StrikeByClick(column);
}

void PracticeSession::TypeDigit(Target cell, std::int32_t digit)
{
    BeginEvent();
    cell = Visible(cell);
    if ((cell.kind == TargetKind::AnswerCell || cell.kind == TargetKind::NotationCell) && digit >= 0 && digit <= 9)
        SetCell(cell, digit, digit);
}

void PracticeSession::EraseCell(Target cell)
{
    BeginEvent();
    cell = Visible(cell);
    if (cell.kind == TargetKind::AnswerCell || cell.kind == TargetKind::NotationCell)
        SetCell(cell, BLANK, BLANK);
}

void PracticeSession::DropOnCell(Target cell)
{
    const bool slash = run_.HeldDigit == HELD_SLASH;
    std::int32_t slot = *SlotOf(cell);
    if (!DropHeldSymbol(run_, slot))
        return;
    // A slash wipes the cell: it shows nothing though it counts as 0.
    SetCell(cell, slot, slash ? BLANK : slot);
}

void PracticeSession::DropOnUpperDigit(int column)
{
    // A digit carried onto an upper digit is let go without effect. The
    // slash is let go before the struck picture is needed: should that
    // fail, the hand is empty all the same.
    const bool slash = run_.HeldDigit == HELD_SLASH;
    LetGo();
    KeepOnFailure();
    if (slash)
        ToggleStruck(run_, column);
}

void PracticeSession::StrikeByClick(int column)
{
    // Striking by click follows the operation chosen now, whatever drew the
    // problem on screen.
    if (settings_.operation == Operation::Subtraction)
        ToggleStruck(run_, column);
}

void PracticeSession::StepCell(Target cell, StepDirection direction)
{
    const std::int32_t slot = SteppedSlot(*SlotOf(cell), direction);
    SetCell(cell, slot, slot);
}

void PracticeSession::LetGo()
{
    LetGoOfHeldSymbol(run_);
}

void PracticeSession::PressMainButton()
{
    BeginEvent();
    // What the button does follows the phase alone, never its caption.
    if (DrawsNextProblem(run_))
        NextProblem(false);
    else
        JudgeProblem();
}

void PracticeSession::Restart()
{
    BeginEvent();
    NextProblem(true);
}

void PracticeSession::NextProblem(bool restart)
{
    // "おてほん" goes away at once; the rest waits for the new problem's
    // pictures, and without them the run stands as before the press, to be
    // drawn afresh by the next one.
    sheet_.workedAnswerShown = false;
    KeepOnFailure();
    if (restart) {
        RestartRun(run_);
        sheet_.shownProblemCount.reset();
        sheet_.shownScore.reset();
    }
    NewProblem(run_, settings_, random_);
    PresentProblem();
}

void PracticeSession::PresentProblem()
{
    sheet_.problemShown = true;
    sheet_.sheetNumber += 1;
    sheet_.answerShown.fill(BLANK);
    sheet_.notationShown.fill(BLANK);
    sheet_.answerMessage = Message::None;
    sheet_.notationMessage = Message::None;
    sheet_.hint.clear();
    sheet_.resultPicture = ResultPicture::Mascot;
}

void PracticeSession::JudgeProblem()
{
    // The notation is judged by the operation chosen at the moment of
    // judging. The words come first; should the result picture fail,
    // nothing after them happens and the same entries can be judged again.
    const Judgement judgement = JudgeEntries(run_, settings_.operation);
    const Verdict& verdict = VerdictFor(judgement);
    // A first try tells the diagnosis what the child writes. Should the
    // picture fail, it is told again at the next judgement: one first try
    // counted twice weighs little against the recent problems it keeps.
    if (run_.Phase == Phase::FirstTry)
        diagnosis_.FirstTryJudged(run_);
    sheet_.answerMessage = verdict.answerMessage;
    sheet_.notationMessage = verdict.notationMessage;
    sheet_.hint = judgement.AnswerRight && judgement.MarksRight ? std::string() : HintForEntries();
    KeepOnFailure();
    sheet_.resultPicture = verdict.picture;
    effects_.sound = verdict.sound;
    effects_.firstTryJudged = run_.Phase == Phase::FirstTry;
    RecordJudgement(run_, judgement.AnswerRight);
    if (judgement.AnswerRight)
        ShowCounts();
}

std::string PracticeSession::HintForEntries() const
{
    if (!hintsShown_)
        return {};
    for (const Misconception* named : diagnosis_.Named())
        if (EvidenceOf(*named, run_).sighted)
            return std::string(named->hint);
    return {};
}

void PracticeSession::RememberFirstTries(const std::vector<ExerciseState>& firstTries)
{
    for (const ExerciseState& firstTry : firstTries)
        diagnosis_.FirstTryJudged(firstTry);
}

void PracticeSession::ShowHints(bool shown)
{
    hintsShown_ = shown;
}

void PracticeSession::ShowCounts()
{
    sheet_.shownProblemCount = run_.ProblemCount;
    sheet_.shownScore = Score(run_);
}

void PracticeSession::ShowWorkedAnswer()
{
    BeginEvent();
    // Before the first problem there is nothing to show and no score to
    // give, so the button changes nothing.
    if (!HasDrawnProblem(run_))
        return;
    CloseWithoutJudging(run_);
    ShowCounts();
    KeepOnFailure();
    // Pressed again while it is up, it shows the same problem's sum again.
    sheet_.workedAnswer = WorkedSumOf(run_);
    sheet_.workedAnswerShown = true;
    effects_.raiseWorkedAnswer = true;
}

void PracticeSession::PutAwayWorkedAnswer()
{
    BeginEvent();
    sheet_.workedAnswerShown = false;
}

void PracticeSession::AskForHelp()
{
    BeginEvent();
    effects_.openHelp = true;
}

void PracticeSession::PoseProblem(Operation operation, std::int32_t upper, std::int32_t lower)
{
    BeginEvent();
    const bool replacing = !DrawsNextProblem(run_);
    const Phase phase = run_.Phase;
    sheet_.workedAnswerShown = false;
    ::PoseProblem(run_, operation, upper, lower);
    if (replacing) {
        run_.ProblemCount -= 1;
        run_.Phase = phase;
    }
    PresentProblem();
}

void PracticeSession::PictureFailed(const std::string& file)
{
    run_ = runOnFailure_;
    sheet_ = sheetOnFailure_;
    effects_ = {};
    effects_.unreadableFile = file;
}

SessionView PracticeSession::View() const
{
    SessionView view;
    view.problemShown = sheet_.problemShown;
    view.sheetNumber = sheet_.sheetNumber;
    view.operation = run_.Operation;
    for (int column = 0; column < 4; ++column) {
        view.upperDigits[column] = {run_.TopDigits[column], column < 3 && IsStruck(run_, column)};
        view.answerCells[column] = {run_.EnteredAnswer[column], sheet_.answerShown[column]};
        if (column < 3)
            view.notationCells[column] = {run_.EnteredMarks[column], sheet_.notationShown[column]};
    }
    view.lowerDigits = run_.BottomDigits;
    if (!sheet_.problemShown) {
        view.upperDigits.fill({});
        view.lowerDigits.fill(BLANK);
    }
    view.answerMessage = sheet_.answerMessage;
    view.notationMessage = sheet_.notationMessage;
    view.hint = sheet_.hint;
    view.resultPicture = sheet_.resultPicture;
    view.mainCaption = !DrawsNextProblem(run_) ? MainCaption::Judge
        : HasDrawnProblem(run_)                ? MainCaption::Next
                                               : MainCaption::Start;
    view.shownProblemCount = sheet_.shownProblemCount;
    view.shownScore = sheet_.shownScore;
    view.phase = run_.Phase;
    view.carriedSymbol = run_.HeldDigit;
    view.workedAnswerShown = sheet_.workedAnswerShown;
    view.workedAnswer = sheet_.workedAnswer;
    view.sound = effects_.sound;
    view.openHelp = effects_.openHelp;
    view.raiseWorkedAnswer = effects_.raiseWorkedAnswer;
    view.unreadableFile = effects_.unreadableFile;
    view.firstTryJudged = effects_.firstTryJudged;
    return view;
}
