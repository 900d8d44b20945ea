// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/JudgedProblem.h"

#include "engine/Judge.h"
#include "engine/WorkedAnswer.h"
#include "mistakes/ProblemKind.h"
#include "mistakes/Sighting.h"

#include <array>

namespace {

template <std::size_t N>
std::string rowText(const std::array<std::int32_t, N>& row)
{
    std::string text;
    for (const std::int32_t slot : row)
        text += slot >= 0 && slot <= 9 ? static_cast<char>('0' + slot) : '.';
    return text;
}

template <std::size_t N>
std::optional<std::array<std::int32_t, N>> rowOf(const std::string& text)
{
    if (text.size() != N)
        return std::nullopt;
    std::array<std::int32_t, N> row{};
    for (std::size_t slot = 0; slot < N; ++slot) {
        if (text[slot] == '.')
            row[slot] = BLANK;
        else if (text[slot] >= '0' && text[slot] <= '9')
            row[slot] = text[slot] - '0';
        else
            return std::nullopt;
    }
    return row;
}

std::string strikesText(const NotationRow& crossedOut)
{
    std::string text;
    for (const std::int32_t slot : crossedOut)
        text += slot == STRUCK ? 'x' : '-';
    return text;
}

std::optional<NotationRow> strikesOf(const std::string& text)
{
    if (text.size() != 3 || text.find_first_not_of("x-") != std::string::npos)
        return std::nullopt;
    NotationRow row{};
    for (std::size_t slot = 0; slot < row.size(); ++slot)
        row[slot] = text[slot] == 'x' ? STRUCK : 0;
    return row;
}

const char* outcomeOf(const Judgement& judgement)
{
    if (!judgement.AnswerRight)
        return "answer-wrong";
    return judgement.MarksRight ? "correct" : "notes-wrong";
}

} // namespace

JudgedProblem FirstTryOf(const ExerciseState& sheet, const DrillSettings& settings, std::int64_t judgedAt,
                         std::int32_t seconds)
{
    JudgedProblem judged;
    judged.judgedAt = judgedAt;
    judged.settings = settings;
    judged.operation = sheet.Operation;
    judged.upper = NumberIn(sheet.TopDigits);
    judged.lower = NumberIn(sheet.BottomDigits);
    judged.answer = rowText(sheet.EnteredAnswer);
    judged.notes = rowText(sheet.EnteredMarks);
    judged.strikes = strikesText(sheet.CrossedOut);
    judged.outcome = outcomeOf(JudgeEntries(sheet, settings.operation));
    judged.seconds = seconds;
    for (const Misconception& misconception : Misconceptions())
        if (EvidenceOf(misconception, sheet).sighted)
            judged.sightings.emplace_back(misconception.id);
    return judged;
}

std::optional<ExerciseState> SheetOf(const JudgedProblem& problem)
{
    const auto answer = rowOf<4>(problem.answer);
    const auto notes = rowOf<3>(problem.notes);
    const auto strikes = strikesOf(problem.strikes);
    const bool posable = problem.upper >= 0 && problem.upper <= 9999 && problem.lower >= 0 && problem.lower <= 9999
                      && (problem.operation == Operation::Addition ? problem.upper + problem.lower <= 9999
                                                                   : problem.upper >= problem.lower);
    if (!answer || !notes || !strikes || !posable)
        return std::nullopt;
    ExerciseState sheet;
    PoseProblem(sheet, problem.operation, problem.upper, problem.lower);
    sheet.EnteredAnswer = *answer;
    sheet.EnteredMarks = *notes;
    sheet.CrossedOut = *strikes;
    return sheet;
}

Diagnosis DiagnosisOf(const std::vector<JudgedProblem>& record)
{
    Diagnosis diagnosis;
    for (const JudgedProblem& problem : record)
        if (const auto sheet = SheetOf(problem))
            diagnosis.FirstTryJudged(*sheet);
    return diagnosis;
}
