// The evaluation sweep: the rows of the positions and their integration over
// directions and distances.
#include "sweep/evaluation_sweep.h"

#include <cstdio>

#include "walks/scoring.h"

namespace {

// Sums over the positions of one polar angle.
struct ThetaSums {
    double touched = 0.0;      // S1: touched fractions
    double free_energy = 0.0;  // S2: free energies
    int results = 0;           // m: positions with a result
};

bool score_position(const GridPoint& point, PositionScorer& scorer, bool verbose, ThetaSums& sums) {
    PositionCounts counts;
    if (!scorer.score(point.probe, counts)) return false;
    if (verbose)
        std::fprintf(stderr, "\ndist %.1f, theta %.1f, phi %.1f: %d walks, %d counted\n",
                     static_cast<double>(point.dist), degrees(point.theta), degrees(point.phi),
                     counts.walks, counts.free);
    if (const WalkFraction* fraction = Xlwkfrc(counts.walks, counts.free)) {
        std::printf("%.1f\t%.1f\t%f\t%f\n", degrees(point.theta), degrees(point.phi),
                    fraction->touched, fraction->free_energy);
        sums.touched += fraction->touched;
        sums.free_energy += fraction->free_energy;
        ++sums.results;
    }
    return true;
}

}  // namespace

void print_new_parameters(int walks, int amp, int dist) {
    std::fprintf(stderr, "%d: new interaction parameters: amp = %.4f, dist = %.4f\n", walks,
                 amp * 0.00001, dist * 0.00001);
}

bool run_sweep(const SweepGrid& grid, PositionScorer& scorer, bool verbose,
               const SweepProgress& progress) {
    const DistanceGrid& distances = grid.distances();
    if (distances.swept) std::printf("%d distance values\n", distances.count);
    if (!grid.has_distances()) return false;
    const long positions = progress ? grid.positions() : 0;
    long done = 0;
    ThetaSums sums;
    double angle = 0.0;  // A: excluded solid angle of the distance
    double total = 0.0;
    float last = distances.first;
    const bool completed = grid.walk([&](const GridPoint& point) {
        if (point.position) {
            if (progress) progress(done++, positions);
            if (!score_position(point, scorer, verbose, sums)) return false;
        }
        if (point.ring_end) {
            angle += point.weight * sums.touched;
            if (sums.results != 0) sums.free_energy /= sums.results;
            std::printf("%.1f\t%f\t%f\n", degrees(point.theta), point.weight * sums.touched,
                        sums.free_energy);
            sums = ThetaSums{};
        }
        if (point.distance_end) {
            const double dist = point.dist;
            std::printf("%f\t%f\t\t%f\t%f\n", dist, angle, angle * dist * dist,
                        point.volume * angle);
            total += point.volume * angle;
            angle = 0.0;
            last = point.dist;
        }
        return true;
    });
    if (!completed) return false;
    std::printf("%f\t%f\t\t\t%f\n", static_cast<double>(distances.first), static_cast<double>(last),
                total);
    return true;
}
