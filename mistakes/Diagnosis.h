// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/ExerciseState.h"
#include "mistakes/Misconception.h"

#include <bitset>
#include <deque>
#include <vector>

// Which misconceptions a child's first tries point to. Children switch
// between wrong procedures and make slips, so one matching answer names
// nothing: a misconception is named once it was sighted at least twice, and
// on most, among the last problems that exposed it; and not when another
// one was sighted on every one of those problems and more, or on the same
// problems with fewer misses.
class Diagnosis {
public:
    // How many of the problems that exposed a misconception count as recent.
    static constexpr int RECENT_EXPOSURES = 8;
    // How many first tries are kept at all.
    static constexpr int KEPT_FIRST_TRIES = 40;

    // Takes a problem as it stood at its first judgement, the child's cells
    // filled; right and wrong first tries alike.
    void FirstTryJudged(const ExerciseState& firstTry);

    // The misconceptions named now, in the catalogue's order.
    std::vector<const Misconception*> Named() const;

    // The kept first tries that showed the misconception, oldest first.
    std::vector<ExerciseState> Sightings(const Misconception& misconception) const;

private:
    using Flags = std::bitset<16>;
    struct FirstTry {
        ExerciseState sheet;
        Flags exposed;
        Flags sighted;
    };

    // Sightings and exposures among the recent exposures of one entry.
    bool sightedOnMost(std::size_t entry) const;
    // Whether every kept sighting of `entry` is one of `other`'s, which has
    // more, or as many with fewer problems that exposed it unsighted.
    bool explainedBy(std::size_t entry, std::size_t other) const;

    std::deque<FirstTry> kept_;
};
