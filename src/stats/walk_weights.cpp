// The walks' weights: read from weight lines, or replayed as Rosenbluth weights.
#include "stats/walk_weights.h"

#include <cmath>
#include <cstdio>

#include "base/format.h"
#include "stats/generation_source.h"
#include "stats/rosenbluth.h"
#include "stats/walk_blocks.h"
#include "sweep/placed_lattice.h"
#include "walks/exclusion.h"
#include "walks/weight_lines.h"

namespace {

// The generating run's settings: from -S, -R, -D, or else from the walk
// file's "# Korvi ..." lines (a .mab file has none).
bool generation_settings(const StatsSettings& settings, const char* walk_name,
                         GenerationSettings& generation, std::string& source,
                         std::string& problem) {
    if (settings.generation_given) {
        generation = settings.generation;
        source = "given by -S, -R, -D";
        return true;
    }
    std::vector<std::string> lines;
    if (!settings.mab) {
        if (std::FILE* fp = std::fopen(walk_name, "r")) {
            lines = korvi_command_lines(fp);
            std::fclose(fp);
        }
    }
    source = "read from the walk file's comment line";
    return generation_from_lines(lines, generation, problem);
}

// Marks the lattice as the generator saw it and replays the walks on it. The
// sweep's lattice serves when it was placed with the same shift; otherwise
// the lattice is read again and placed as the generating run placed it, so
// that the marks come out the same to the last bit.
bool replay_walks(const StatsSettings& settings, const GenerationSettings& generation,
                  PlacedLattice& sweep_lattice, const WalkArrays& walks,
                  std::vector<double>& log_weights, std::string& problem) {
    PlacedLattice own;
    PlacedLattice* lattice = &sweep_lattice;
    bool ok = true;
    if (generation.shift != settings.shift) {
        ok = place_lattice(sweep_lattice.file_name.c_str(), generation.shift,
                           generation.radius > 0.0f, false, own, true);
        lattice = &own;
        if (!ok) problem = "the lattice could not be placed as the generating run placed it";
    }
    if (ok && generation.radius > 0.0f) {
        lattice->put_sphere(generation.distance, 0.0f, 0.0f);
        const OccupancyCounts* counts = exclusion_counts(*lattice, generation.radius, false);
        ok = counts && counts->first_steps >= 1;
        if (!ok) problem = "the first sphere leaves the lattice origin no free step";
    }
    if (ok) ok = rosenbluth_log_weights(lattice->prepared, walks, log_weights, problem);
    if (lattice == &own) release_lattice(own);
    return ok;
}

WalkWeights replayed(const StatsSettings& settings, const char* walk_name, PlacedLattice& lattice,
                     const WalkArrays& walks) {
    WalkWeights weights;
    GenerationSettings generation;
    std::string source;
    std::string problem;
    if (!generation_settings(settings, walk_name, generation, source, problem) ||
        !replay_walks(settings, generation, lattice, walks, weights.log_weights, problem)) {
        std::fprintf(stderr, "No Rosenbluth weights: %s\n", problem.c_str());
        weights.log_weights.clear();
        weights.note = "No Rosenbluth weights: " + problem + "; the *_w columns are nan";
        return weights;
    }
    weights.effective = effective_sample_size(weights.log_weights);
    const WalkParameters& p = walks.params[0];
    const std::string steps =
        p.strength == 0.0f && p.range == 0.0f && p.gauche_energy == 0.0f
            ? ""
            : formatted(" and step weights of strength %g, distance %g, gauche-trans energy %g",
                        static_cast<double>(p.strength), static_cast<double>(p.range),
                        static_cast<double>(p.gauche_energy));
    weights.note = formatted(
        "Rosenbluth weights for walks grown with -s%g -r%g -d%g (%s)%s; effective sample size "
        "n_eff = %.1f of %d walks",
        static_cast<double>(generation.shift), static_cast<double>(generation.radius),
        static_cast<double>(generation.distance), source.c_str(), steps.c_str(),
        weights.effective, walks.size());
    return weights;
}

// The weight lines of a .lwk file, one per record read.
WeightLines file_weight_lines(const char* walk_name, bool mab) {
    WeightLines lines;
    if (mab) return lines;
    if (std::FILE* fp = std::fopen(walk_name, "r")) {
        lines = read_weight_lines(fp);
        std::fclose(fp);
    }
    return lines;
}

int tour_count(const std::vector<long long>& tours) {
    int count = 0;
    for (std::size_t i = 0; i < tours.size(); ++i) count += i == 0 || tours[i] != tours[i - 1];
    return count;
}

bool has_line(const WeightLines& lines, int walk) {
    return walk < static_cast<int>(lines.tours.size()) && lines.tours[walk] >= 0;
}

// ln w and the tour of every walk from the weight lines, given that walk
// `with_line` has one, or nothing with the reason when a walk has none or an
// unusable one.
WalkWeights from_lines(const WeightLines& lines, const WalkArrays& walks, int with_line) {
    WalkWeights weights;
    std::string problem;
    for (int i = 0; i < walks.size() && problem.empty(); ++i) {
        if (!has_line(lines, i))
            problem = walks.label(i) + " has no weight line before its record, though " +
                      walks.label(with_line) +
                      " has one: all weights come from weight lines or none";
        else if (!std::isfinite(lines.log_weights[i]))
            problem = walks.label(i) + " has a weight line whose ln w is not finite";
    }
    if (!problem.empty()) {
        std::fprintf(stderr, "No weights: %s\n", problem.c_str());
        weights.note = "No weights: " + problem + "; the *_w columns are nan";
        return weights;
    }
    weights.log_weights.assign(lines.log_weights.begin(), lines.log_weights.begin() + walks.size());
    weights.tours.assign(lines.tours.begin(), lines.tours.begin() + walks.size());
    weights.effective = effective_sample_size(weights.log_weights);
    weights.note = formatted(
        "weights read from the walk file's weight lines ('# ln_weight <ln w> tour <t>' before "
        "each record) for %d walks of %d tours; effective sample size n_eff = %.1f of %d walks",
        walks.size(), tour_count(weights.tours), weights.effective, walks.size());
    return weights;
}

}  // namespace

WalkWeights weigh_walks(const StatsSettings& settings, const char* walk_name,
                        PlacedLattice& lattice, const WalkArrays& walks) {
    const WeightLines lines = file_weight_lines(walk_name, settings.mab);
    for (int i = 0; i < walks.size() && lines.weighted > 0; ++i)
        if (has_line(lines, i)) return from_lines(lines, walks, i);
    return replayed(settings, walk_name, lattice, walks);
}
