// Setting a sweep up on the lattice file and sampling its pieces.
#include "perm/probe_sweep.h"

#include <cstdio>

#include "perm/sweep_sampling.h"
#include "perm/walk_reach.h"
#include "sweep/placed_lattice.h"
#include "sweep/probe_marking.h"
#include "walks/step_weights.h"

bool probe_obstacles(const SweepGrid& grid, PlacedLattice& lattice, float radius, bool verbose,
                     std::vector<std::vector<std::int32_t>>& obstacles) {
    obstacles.assign(1, {});
    // The marking moves the probe and writes the lattice: one position after
    // the other, before any sampling starts.
    ProbeMarking marking(lattice, radius, verbose);
    return grid.walk([&](const GridPoint& step) {
        if (!step.position) return true;
        if (!marking.mark(step.probe)) return false;
        obstacles.push_back(marking.marked());
        return true;
    });
}

void settle_exact_positions(const SamplingLattice& lattice,
                            const std::vector<std::vector<std::int32_t>>& obstacles, int steps,
                            SweepPieces& pieces) {
    WalkReach reach(lattice);
    for (int target = 1; target < pieces.targets(); ++target) {
        const std::vector<std::int32_t>& marked = obstacles[static_cast<std::size_t>(target)];
        PieceState state = PieceState::kMissing;
        if (!reach.reaches(marked, steps))
            state = PieceState::kBeyondReach;
        else if (reach.closes_off(marked, steps))
            state = PieceState::kClosedOff;
        for (int b = 0; b < pieces.batches(); ++b) pieces.at(target, b).state = state;
    }
}

namespace {

// The lattice placed as the walks grow, marked by the first sphere when
// there is one; false after a message.
bool place_for_walks(const ProbeSweepSettings& s, bool verbose, PlacedLattice& placed) {
    // Long chains need lattices of more than 99 shells, whose labels have three digits.
    if (!place_lattice(s.lattice_file.c_str(), s.first.shift, true, verbose, placed, true))
        return false;
    if (s.first.radius <= 0.0f) return true;
    placed.put_sphere(s.first.distance, 0.0f, 0.0f);
    return exclude_sphere(placed, s.first.radius, verbose);
}

}  // namespace

std::optional<SweepPieces> sample_sweep(const ProbeSweepSettings& settings, const Share& share,
                                        int threads, bool verbose,
                                        const std::function<void(long, long)>& progress) {
    const SweepGrid grid(settings.grid);
    if (!grid.has_distances()) return std::nullopt;
    PlacedLattice placed;
    bool ok = place_for_walks(settings, verbose, placed);
    // The sampler's copy of the lattice keeps the first sphere's marks while
    // the probe's marking rewrites those of the lattice entry.
    std::optional<SamplingLattice> lattice;
    if (ok) lattice.emplace(placed.prepared);
    if (ok && lattice->origin() < 0) {
        std::fprintf(stderr, "%s has no origin (a vertex of shell 0)!\n",
                     settings.lattice_file.c_str());
        ok = false;
    }
    if (ok && WalkReach(*lattice).closes_off({}, settings.steps)) {
        std::fprintf(stderr,
                     "No walk of %d steps possible: too few free vertices can be reached "
                     "from the origin!\n",
                     settings.steps);
        ok = false;
    }
    if (ok && settings.grid.shift != settings.first.shift) {
        release_lattice(placed);
        ok = place_lattice(settings.lattice_file.c_str(), settings.grid.shift, true, verbose,
                           placed, true);
    }
    std::vector<std::vector<std::int32_t>> obstacles;
    ok = ok && probe_obstacles(grid, placed, settings.grid.radius, verbose, obstacles);
    release_lattice(placed);
    if (!ok) return std::nullopt;
    const StepWeights weights(*lattice, settings.parameters);
    if (!weights.check_finite()) return std::nullopt;
    SweepPieces pieces(static_cast<int>(obstacles.size()) - 1, settings.batches);
    settle_exact_positions(*lattice, obstacles, settings.steps, pieces);
    sample_pieces(*lattice, weights, settings, obstacles, share, threads, pieces, progress);
    return pieces;
}
