// The header lines and legend of a sweep's table.
#include "perm/sweep_report.h"

#include <cstdio>

#include "base/format.h"

namespace {

double wide(float value) {
    return static_cast<double>(value);
}

}  // namespace

std::vector<std::string> sweep_notes(const ProbeSweepSettings& s, const SweepTally& tally) {
    const GridSettings& g = s.grid;
    const long long first_tours = target_tours(s, tally.positions, 0);
    std::vector<std::string> notes{
        formatted(
            "korvi-perm probe sweep on the lattice %s: at every position x = Z_N(first sphere "
            "and probe) / Z_N(first sphere), each Z from pruned-enriched Rosenbluth tours",
            s.lattice_file.c_str()),
        formatted("walks of %d steps grafted at the lattice origin (shift %g) on a first sphere of "
                  "radius %g centred at x = %g; A %g, lambda %g, E %g",
                  s.steps, wide(s.first.shift), wide(s.first.radius), wide(s.first.distance),
                  wide(s.parameters.strength), wide(s.parameters.range),
                  wide(s.parameters.gauche_energy)),
        formatted("probe radius %g, lattice shift %g, distance %g, theta count %d, phi count %d",
                  wide(g.radius), wide(g.shift), wide(g.distance), g.theta_count, g.phi_count),
        formatted("distances %d, probe positions %d; tours per position: %d batches of %lld; "
                  "Z_N(first sphere), shared by all positions: %d batches of %lld; seed %lld",
                  tally.distances, tally.positions, s.batches, s.tours_per_batch, s.batches,
                  first_tours, s.seed),
        formatted("ln Z_N(first sphere) = %.10g +- %.3g; %lld tours, %lld walks of full length, "
                  "%lld vertices placed",
                  tally.first_log_z.value, tally.first_log_z.error, tally.tours, tally.walks,
                  tally.steps),
        "errors: delete-one-batch jackknife, batch j left out of every position and of "
        "Z_N(first sphere) together, so that the shared denominator's error enters every sum "
        "as it should",
    };
    if (tally.beyond_reach > 0)
        notes.push_back(formatted("positions beyond the walks' reach (every vertex the probe marks "
                                  "lies more than %d steps from the origin): %d; there x = 1 "
                                  "exactly and no tours were run",
                                  s.steps, tally.beyond_reach));
    if (tally.closed_off > 0)
        notes.push_back(
            formatted("positions where the probe leaves the walks fewer than %d vertices "
                      "to go to: %d; there x = 0 exactly, the free energy is inf, no "
                      "tours were run, and as in korvi they add nothing to the sums of "
                      "their polar angle, which counts their excluded solid angle as 0, "
                      "not 1",
                      s.steps, tally.closed_off));
    if (tally.blocked > 0)
        notes.push_back(
            formatted("note: positions where no tour reached %d steps: %d; their free "
                      "energy is inf, its error nan, and they add nothing to the sums of "
                      "their polar angle; more tours (-n) may find walks there",
                      s.steps, tally.blocked));
    if (tally.outer_positions > 0)
        notes.push_back(formatted("warning: walks reached the lattice's outer shell at %d of the "
                                  "%d targets: the lattice may be too small for %d steps",
                                  tally.outer_positions, tally.positions + 1, s.steps));
    return notes;
}

const std::vector<std::string>& sweep_legend() {
    static const std::vector<std::string> legend{
        "kind: position, theta (a polar angle), distance or total; dist: probe distance;",
        "theta, phi: degrees; walks: walks of full length grown at the position; free: nan;",
        "touched_w: 1 - x; free_energy_w: -ln x (inf: no walk reached full length), at a theta",
        "  row the mean over its positions, at a distance row -ln of x averaged over directions",
        "  by solid angle; solid_angle_w: excluded solid angle (theta: w*S1, distance: A);",
        "area_w: A*dist^2; volume_w: shell volume V*A, total: their sum (the excluded volume);",
        "*_err: delete-one-batch jackknife standard errors, 0 where x is known exactly;",
        "  x estimates the model's ensemble itself, as korvi-stats' *_w columns do, and nothing",
        "  is counted: the columns without _w are nan. nan: does not apply, or an error the",
        "  data cannot tell (see the notes). Column numbers:",
    };
    return legend;
}

std::string sweep_title(const ProbeSweepSettings& s) {
    return formatted("korvi-perm: %d steps, probe radius %g", s.steps, wide(s.grid.radius));
}
