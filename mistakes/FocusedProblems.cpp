// SPDX-License-Identifier: GPL-3.0-or-later
#include "mistakes/FocusedProblems.h"

#include "engine/NewProblem.h"
#include "mistakes/Sighting.h"

#include <algorithm>
#include <set>
#include <utility>

namespace {

// Problems drawn to judge a setting, from a fixed seed so that the choice
// never changes from one run to the next.
constexpr int SAMPLE_SIZE = 400;
constexpr std::uint32_t SAMPLE_SEED = 1978;
// Draws allowed for each problem asked for.
constexpr int DRAWS_PER_PROBLEM = 2000;

constexpr CarryMode carryPreference[] = {CarryMode::Always, CarryMode::Either, CarryMode::Never};

ExerciseState drawn(const DrillSettings& setting, RandomSource& random)
{
    ExerciseState problem;
    NewProblem(problem, setting, random);
    return problem;
}

bool sameSum(const ExerciseState& a, const ExerciseState& b)
{
    return a.TopDigits == b.TopDigits && a.BottomDigits == b.BottomDigits && a.Operation == b.Operation;
}

struct Sample {
    int exposedPercent = 0;
    // How many different problems of the sample expose it.
    int differentExposing = 0;
};

Sample sampleOf(const Misconception& misconception, const DrillSettings& setting)
{
    RandomSource random(SAMPLE_SEED);
    int exposed = 0;
    std::set<std::pair<DigitRow, DigitRow>> different;
    for (int draw = 0; draw < SAMPLE_SIZE; ++draw) {
        const ExerciseState problem = drawn(setting, random);
        if (Exposes(misconception, problem)) {
            exposed += 1;
            different.insert({problem.TopDigits, problem.BottomDigits});
        }
    }
    return {exposed * 100 / SAMPLE_SIZE, static_cast<int>(different.size())};
}

} // namespace

int ExposedPercent(const Misconception& misconception, const DrillSettings& setting)
{
    return sampleOf(misconception, setting).exposedPercent;
}

DrillSettings FittingSetting(const Misconception& misconception)
{
    const Operation operation = std::holds_alternative<SubtractionHabit>(misconception.habit)
                                    ? Operation::Subtraction
                                    : Operation::Addition;
    DrillSettings best{Range::UpTo10, CarryMode::Always, operation};
    int bestPercent = -1;
    for (int range = 0; range < RANGE_COUNT; ++range)
        for (const CarryMode carry : carryPreference) {
            const DrillSettings setting{static_cast<Range>(range), carry, operation};
            const Sample sample = sampleOf(misconception, setting);
            if (sample.differentExposing < FOCUSED_SHEET_PROBLEMS)
                continue;
            if (sample.exposedPercent >= FITTING_SHARE_PERCENT)
                return setting;
            if (sample.exposedPercent > bestPercent) {
                best = setting;
                bestPercent = sample.exposedPercent;
            }
        }
    return best;
}

std::vector<ExerciseState> FocusedProblems(const Misconception& misconception, const DrillSettings& setting,
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
