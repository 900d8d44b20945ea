// SPDX-License-Identifier: GPL-3.0-or-later
#include "mistakes/FocusedProblems.h"

#include "engine/NewProblem.h"
#include "mistakes/Sighting.h"

#include <algorithm>

namespace {

// Problems drawn to judge a setting, from a fixed seed so that the choice
// never changes from one run to the next.
constexpr int SAMPLE_SIZE = 200;
constexpr std::uint32_t SAMPLE_SEED = 1978;
// Draws allowed for each problem asked for.
constexpr int DRAWS_PER_PROBLEM = 2000;

constexpr std::int32_t carryPreference[] = {1, 2, 0};

ExerciseState drawn(const PracticeSetting& setting, RandomSource& random)
{
    ExerciseState problem;
    NewProblem(problem, setting.range, setting.carry, setting.kind, random);
    return problem;
}

bool sameSum(const ExerciseState& a, const ExerciseState& b)
{
    return a.TopDigits == b.TopDigits && a.BottomDigits == b.BottomDigits && a.Operation == b.Operation;
}

} // namespace

int ExposedPercent(const Misconception& misconception, const PracticeSetting& setting)
{
    RandomSource random(SAMPLE_SEED);
    int exposed = 0;
    for (int draw = 0; draw < SAMPLE_SIZE; ++draw)
        exposed += Exposes(misconception, drawn(setting, random)) ? 1 : 0;
    return exposed * 100 / SAMPLE_SIZE;
}

PracticeSetting FittingSetting(const Misconception& misconception)
{
    const std::int32_t kind = std::holds_alternative<SubtractionHabit>(misconception.habit) ? 1 : 0;
    PracticeSetting best{0, 1, kind};
    int bestPercent = -1;
    for (std::int32_t range = 0; range < 5; ++range)
        for (const std::int32_t carry : carryPreference) {
            const PracticeSetting setting{range, carry, kind};
            const int percent = ExposedPercent(misconception, setting);
            if (percent >= FITTING_SHARE_PERCENT)
                return setting;
            if (percent > bestPercent) {
                best = setting;
                bestPercent = percent;
            }
        }
    return best;
}

std::vector<ExerciseState> FocusedProblems(const Misconception& misconception, const PracticeSetting& setting,
                                           int count, RandomSource& random)
{
    std::vector<ExerciseState> problems;
    for (int draw = 0; draw < count * DRAWS_PER_PROBLEM && static_cast<int>(problems.size()) < count; ++draw) {
        const ExerciseState problem = drawn(setting, random);
        const bool seen = std::any_of(problems.begin(), problems.end(),
                                      [&](const ExerciseState& kept) { return sameSum(kept, problem); });
        if (!seen && Exposes(misconception, problem))
            problems.push_back(problem);
    }
    return problems;
}
