// SPDX-License-Identifier: GPL-3.0-or-later
#include "mistakes/Diagnosis.h"

#include "mistakes/Sighting.h"

void Diagnosis::FirstTryJudged(const ExerciseState& firstTry)
{
    FirstTry judged{firstTry, {}, {}};
    const auto catalogue = Misconceptions();
    for (std::size_t entry = 0; entry < catalogue.size(); ++entry) {
        const Evidence evidence = EvidenceOf(catalogue[entry], firstTry);
        judged.exposed[entry] = evidence.exposes;
        judged.sighted[entry] = evidence.sighted;
    }
    kept_.push_back(judged);
    if (kept_.size() > KEPT_FIRST_TRIES)
        kept_.pop_front();
}

bool Diagnosis::sightedOnMost(std::size_t entry) const
{
    int exposures = 0;
    int sightings = 0;
    for (auto judged = kept_.rbegin(); judged != kept_.rend() && exposures < RECENT_EXPOSURES; ++judged) {
        exposures += judged->exposed[entry];
        sightings += judged->sighted[entry];
    }
    return sightings >= 2 && 2 * sightings > exposures;
}

bool Diagnosis::explainedBy(std::size_t entry, std::size_t other) const
{
    int own = 0;
    int others = 0;
    int ownMisses = 0;
    int otherMisses = 0;
    for (const FirstTry& judged : kept_) {
        if (judged.sighted[entry] && !judged.sighted[other])
            return false;
        own += judged.sighted[entry];
        others += judged.sighted[other];
        ownMisses += judged.exposed[entry] && !judged.sighted[entry];
        otherMisses += judged.exposed[other] && !judged.sighted[other];
    }
    return others > own || (others == own && otherMisses < ownMisses);
}

std::vector<const Misconception*> Diagnosis::Named() const
{
    const auto catalogue = Misconceptions();
    std::vector<const Misconception*> named;
    for (std::size_t entry = 0; entry < catalogue.size(); ++entry) {
        bool explained = false;
        for (std::size_t other = 0; other < catalogue.size() && !explained; ++other)
            explained = other != entry && explainedBy(entry, other);
        if (sightedOnMost(entry) && !explained)
            named.push_back(&catalogue[entry]);
    }
    return named;
}

std::vector<ExerciseState> Diagnosis::Sightings(const Misconception& misconception) const
{
    const auto entry = static_cast<std::size_t>(&misconception - Misconceptions().data());
    std::vector<ExerciseState> sightings;
    for (const FirstTry& judged : kept_)
        if (judged.sighted[entry])
            sightings.push_back(judged.sheet);
    return sightings;
}
