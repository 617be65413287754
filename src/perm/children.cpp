// Inclusion probabilities proportional to importance, capped at 1, and systematic sampling.
#include "perm/children.h"

#include <algorithm>

int choose_children(std::span<const Candidate> candidates, double expected, double u, Child* out) {
    const int count = static_cast<int>(candidates.size());
    if (expected >= count) {
        for (int j = 0; j < count; ++j) out[j] = {candidates[j].vertex, candidates[j].weight};
        return count;
    }
    // The candidates whose probability would reach 1 are taken for sure; c is
    // found again for the rest. It only grows, so the sure ones only grow too,
    // and at most `count` rounds are needed.
    double importance = 0.0;
    for (const Candidate& candidate : candidates) importance += candidate.importance;
    double c = expected / importance;
    for (;;) {
        int sure = 0;
        double rest = 0.0;
        for (const Candidate& candidate : candidates) {
            if (c * candidate.importance >= 1.0) {
                ++sure;
            } else {
                rest += candidate.importance;
            }
        }
        const double next = (expected - sure) / rest;
        if (!(rest > 0.0) || next <= c) break;
        c = next;
    }
    int chosen = 0;
    double reached = 0.0, point = u;
    for (int j = 0; j < count; ++j) {
        const double p = std::min(1.0, c * candidates[j].importance);
        reached += p;
        // Points lie 1 apart and p <= 1, so no candidate is chosen twice.
        if (point < reached) {
            out[chosen++] = {candidates[j].vertex, candidates[j].weight / p};
            point += 1.0;
        }
    }
    return chosen;
}
