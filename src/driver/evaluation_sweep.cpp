// The evaluation sweep: positions, rows and the integration over directions
// and distances.
#include "driver/evaluation_sweep.h"

#include <cstdio>

#include "cli/progress.h"
#include "walks/scoring.h"

namespace {

// Sums over the positions of one polar angle.
struct ThetaSums {
    double touched = 0.0;      // S1: touched fractions
    double free_energy = 0.0;  // S2: free energies
    int results = 0;           // m: positions with a result
};

long g_positions_done = 0;

bool score_position(const SweepSettings& settings, PositionScorer& scorer, float dist, float theta,
                    float phi, ThetaSums& sums) {
    progress_update(g_positions_done++);
    PositionCounts counts;
    if (!scorer.score(probe_position(dist, theta, phi), counts)) return false;
    if (settings.verbose)
        std::fprintf(stderr, "\ndist %.1f, theta %.1f, phi %.1f: %d walks, %d counted\n",
                     static_cast<double>(dist), degrees(theta), degrees(phi), counts.walks,
                     counts.free);
    if (const WalkFraction* fraction = Xlwkfrc(counts.walks, counts.free)) {
        std::printf("%.1f\t%.1f\t%f\t%f\n", degrees(theta), degrees(phi), fraction->touched,
                    fraction->free_energy);
        sums.touched += fraction->touched;
        sums.free_energy += fraction->free_energy;
        ++sums.results;
    }
    return true;
}

// All positions of one distance; adds the excluded solid angle to *angle.
bool sweep_distance(const SweepSettings& settings, PositionScorer& scorer, float dist, float first,
                    double* angle) {
    int thetas = theta_count(settings.theta_count, dist, first, settings.radius);
    float dtheta = theta_step(thetas);
    for (int j = 0; j < thetas; ++j) {
        ThetaRing ring =
            theta_ring(j, thetas, dtheta, settings.phi_count, dist, first, settings.radius);
        ThetaSums sums;
        for (int k = 0; k < ring.positions; ++k)
            if (!score_position(settings, scorer, dist, ring.theta, ring.phi(k), sums))
                return false;
        *angle += ring.weight * sums.touched;
        if (sums.results != 0) sums.free_energy /= sums.results;
        std::printf("%.1f\t%f\t%f\n", degrees(ring.theta), ring.weight * sums.touched,
                    sums.free_energy);
    }
    return true;
}

}  // namespace

long count_positions(const SweepSettings& settings, const DistanceGrid& grid) {
    long positions = 0;
    for (int i = 0; i < grid.count; ++i) {
        float dist = grid_distance(grid, i);
        int thetas = theta_count(settings.theta_count, dist, grid.first, settings.radius);
        float dtheta = theta_step(thetas);
        for (int j = 0; j < thetas; ++j)
            positions +=
                theta_ring(j, thetas, dtheta, settings.phi_count, dist, grid.first, settings.radius)
                    .positions;
    }
    return positions;
}

bool grid_has_distances(const SweepSettings& settings, const DistanceGrid& grid) {
    if (grid.count >= 1) return true;
    std::fprintf(stderr,
                 "No distance to evaluate: the sweep end %f lies inside the first sphere (radius "
                 "%f)!\n",
                 static_cast<double>(-settings.distance), static_cast<double>(settings.shift));
    return false;
}

std::string unresolved_report(int missing, const char* name) {
    const int length = std::snprintf(nullptr, 0, "%6d %s\n", missing, name);
    std::string line(static_cast<std::size_t>(length), '\0');
    std::snprintf(line.data(), line.size() + 1, "%6d %s\n", missing, name);
    return line;
}

void print_new_parameters(int walks, int amp, int dist) {
    std::fprintf(stderr, "%d: new interaction parameters: amp = %.4f, dist = %.4f\n", walks,
                 amp * 0.00001, dist * 0.00001);
}

bool run_sweep(const SweepSettings& settings, PositionScorer& scorer) {
    DistanceGrid grid = make_distance_grid(settings.distance, settings.shift, settings.radius);
    if (grid.swept) std::printf("%d distance values\n", grid.count);
    if (!grid_has_distances(settings, grid)) return false;
    if (progress_enabled()) progress_begin("positions", count_positions(settings, grid));
    double total = 0.0;
    float last = grid.first;
    for (int i = 0; i < grid.count; ++i) {
        float dist = grid_distance(grid, i);
        last = dist;
        double angle = 0.0;
        if (!sweep_distance(settings, scorer, dist, grid.first, &angle)) return false;
        double volume = shell_volume(grid, i, dist);
        std::printf("%f\t%f\t\t%f\t%f\n", static_cast<double>(dist), angle,
                    angle * static_cast<double>(dist) * static_cast<double>(dist), volume * angle);
        total += volume * angle;
    }
    std::printf("%f\t%f\t\t\t%f\n", static_cast<double>(grid.first), static_cast<double>(last),
                total);
    return true;
}
