// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ExerciseState.h"
#include "engine/NewProblem.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// Problems posed per second under one selection; the selective rows throw
// many pairs back before one is accepted.
void posingProblems(benchmark::State& run, std::int32_t kind, std::int32_t range, std::int32_t carry)
{
    ExerciseState state;
    RandomSource random(20240);
    const DrillSettings settings{static_cast<Range>(range), static_cast<CarryMode>(carry),
                                 kind == 1 ? Operation::Subtraction : Operation::Addition};
    for (auto _ : run) {
        NewProblem(state, settings, random);
        benchmark::DoNotOptimize(state);
    }
    run.SetItemsProcessed(run.iterations());
}

const bool registered = [] {
    for (std::int32_t kind = 0; kind < 2; ++kind)
        for (std::int32_t range = 0; range < 5; ++range)
            for (std::int32_t carry = 0; carry < 3; ++carry) {
                const std::string name = std::string("NewProblem/") + (kind == 1 ? "sub" : "add") + "/range"
                    + std::to_string(range) + "/carry" + std::to_string(carry);
                benchmark::RegisterBenchmark(name.c_str(), posingProblems, kind, range, carry);
            }
    return true;
}();

} // namespace
