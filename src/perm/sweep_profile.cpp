// The grid walked once more, every position given its ratio replicates.
#include "perm/sweep_profile.h"

#include <algorithm>
#include <climits>

#include "perm/sweep_estimates.h"
#include "sweep/profile_integration.h"

namespace {

// Adds a target's batches to the tally; returns its walks of full length.
long long tally_target(const ProbeSweepSettings& settings, const SweepPieces& pieces, int target,
                       SweepTally& tally) {
    long long walks = 0;
    bool outer = false;
    for (int b = 0; b < pieces.batches(); ++b) {
        const Piece& piece = pieces.at(target, b);
        if (piece.state != PieceState::kSampled) continue;
        tally.tours += target_tours(settings, pieces.targets() - 1, target);
        walks += piece.walks;
        tally.steps += piece.steps;
        outer = outer || piece.outer_shell_walks > 0;
    }
    tally.walks += walks;
    tally.outer_positions += outer;
    return walks;
}

}  // namespace

std::vector<ProfileRow> sweep_profile(const SweepGrid& grid, const ProbeSweepSettings& settings,
                                      const SweepPieces& pieces, SweepTally& tally) {
    tally = SweepTally{};
    tally.distances = grid.distances().count;
    tally_target(settings, pieces, 0, tally);
    const Replicates first = log_z_replicates(pieces, 0);
    tally.first_log_z = jackknife(first);
    // The one kind of estimate is integrated as the sums by count and moved
    // to the columns by weight afterwards.
    ProfileIntegration integration(pieces.batches(), false);
    std::vector<ProfileRow> rows;
    PositionFractions fractions;
    int target = 0;
    grid.walk([&](const GridPoint& step) {
        if (step.position) {
            ++target;
            ++tally.positions;
            const PieceState state = pieces.at(target, 0).state;
            const bool beyond = state == PieceState::kBeyondReach;
            tally.beyond_reach += beyond;
            tally.closed_off += state == PieceState::kClosedOff;
            const long long walks = tally_target(settings, pieces, target, tally);
            fractions.walks = static_cast<int>(std::min<long long>(walks, INT_MAX));
            fractions.free = -1;
            fractions.counted =
                ratio_fractions(beyond ? first : log_z_replicates(pieces, target), first);
            fractions.counted.exact = state != PieceState::kSampled;
            tally.blocked += state == PieceState::kSampled && walks == 0;
        }
        integration.add(step, fractions, rows);
        return true;
    });
    rows.push_back(integration.total());
    for (ProfileRow& row : rows) {
        row.weighted = row.counted;
        row.counted = RowEstimates{};
    }
    return rows;
}
