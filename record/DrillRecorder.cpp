// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/DrillRecorder.h"

#include "record/RecordChoices.h"
#include "record/RecordStore.h"

#include <QDateTime>

DrillRecorder::DrillRecorder(RecordStore& store, bool wanted, std::FILE* told)
    : store_(store), told_(told), recording_(wanted && RecordingChosen(store))
{
    if (wanted && !store_.IsOpen())
        Stop();
    shown_.start();
}

void DrillRecorder::Stop()
{
    recording_ = false;
    std::fprintf(told_, "porominka: きろくを のこせません。れんしゅうは そのまま つづけられます。 / The record "
                        "cannot be kept; the drill goes on without it: %s\n",
                 qUtf8Printable(store_.Problem()));
}

void DrillRecorder::ProblemShown()
{
    shown_.restart();
}

void DrillRecorder::FirstTryJudged(const ExerciseState& sheet, const DrillSettings& settings)
{
    if (!recording_)
        return;
    const auto seconds = static_cast<std::int32_t>(shown_.elapsed() / 1000);
    if (!store_.Add(FirstTryOf(sheet, settings, QDateTime::currentMSecsSinceEpoch(), seconds)))
        Stop();
}

void DrillRecorder::SheetDrawn(const SessionView& view, const ExerciseState& run, const DrillSettings& settings)
{
    if (view.sheetNumber != shownSheet_) {
        shownSheet_ = view.sheetNumber;
        ProblemShown();
    }
    if (view.firstTryJudged && judgedSheet_ != view.sheetNumber) {
        judgedSheet_ = view.sheetNumber;
        FirstTryJudged(run, settings);
    }
}

std::vector<ExerciseState> DrillRecorder::KeptFirstTries() const
{
    std::vector<ExerciseState> sheets;
    for (const JudgedProblem& problem : store_.All())
        if (const auto sheet = SheetOf(problem))
            sheets.push_back(*sheet);
    return sheets;
}
