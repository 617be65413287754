// The run of korvi-stats from the settings to the written table and picture.
#include "stats/stats_run.h"

#include <algorithm>
#include <string>
#include <vector>

#include "base/format.h"
#include "cli/file_names.h"
#include "cli/lattice_option.h"
#include "cli/profile_plot.h"
#include "cli/profile_table.h"
#include "cli/progress.h"
#include "stats/stats_sweep.h"
#include "stats/walk_arrays.h"
#include "stats/walk_weights.h"
#include "sweep/placed_lattice.h"

namespace {

std::vector<std::string> run_notes(const StatsSettings& settings, const char* walk_name,
                                   const char* lattice_name, const WalkArrays& walks,
                                   const WalkBlocks& blocks) {
    const StatsSettings& s = settings;
    int fewest = walks.positions(0), most = fewest;
    for (int i = 1; i < walks.size(); ++i) {
        fewest = std::min(fewest, walks.positions(i));
        most = std::max(most, walks.positions(i));
    }
    std::string steps = std::to_string(std::max(fewest - 1, 0));  // an entry without atoms: 0
    if (most != fewest) steps += " to " + std::to_string(most - 1);
    return {
        formatted("korvi-stats: walks of %s on the lattice %s", walk_name, lattice_name),
        formatted("probe radius %g, lattice shift %g, distance %g, theta count %d, phi count %d",
                  static_cast<double>(s.radius), static_cast<double>(s.shift),
                  static_cast<double>(s.distance), s.theta_count, s.phi_count),
        formatted("%d walks of %s steps; jackknife over %d blocks of %s in file order",
                  walks.size(), steps.c_str(), blocks.count,
                  blocks.whole_tours ? "whole tours" : "walks"),
    };
}

// The one-sided 95% bound on the touched fraction where none of n walks is
// touched, (1 - p)^n = 0.05 at p = 3/n, or 1 - 3/n where all are.
std::string bound(bool all_touched, int walks, double n_eff) {
    auto one = [&](const char* n_name, double n) {
        return all_touched ? formatted("above 1 - 3/%s = %.6g", n_name, 1.0 - 3.0 / n)
                           : formatted("below 3/%s = %.3g", n_name, 3.0 / n);
    };
    std::string text = one("W", walks);
    if (n_eff > 0.0) text += ", by weight " + one("n_eff", n_eff);
    return text;
}

// n_eff is 0 without weights.
void sweep_notes(const SweepSummary& summary, int walks, double n_eff,
                 std::vector<std::string>& notes) {
    notes.push_back(
        formatted("%d distances, %d probe positions", summary.distances, summary.positions));
    const char* no_error = "their errors, and those of rows made of such positions only, are "
                           "nan; at 95% confidence the touched fraction there is";
    if (summary.untouched > 0)
        notes.push_back(formatted("note: positions where no walk touches the probe: %d; %s %s",
                                  summary.untouched, no_error, bound(false, walks, n_eff).c_str()));
    if (summary.blocked > 0)
        notes.push_back(
            formatted("note: positions where every walk touches the probe: %d; %s %s; "
                      "their free energy is inf and, as in korvi, they add nothing to "
                      "the sums of their polar angle, so the excluded solid angle, area "
                      "and volume count them as 0, not 1",
                      summary.blocked, no_error, bound(true, walks, n_eff).c_str()));
}

}  // namespace

bool run_stats(const StatsSettings& settings, std::FILE* table) {
    if (!settings.walk_file) {
        std::fputs("No walk file given!\n", stderr);
        return false;
    }
    if (settings.radius <= 0.0f) {
        std::fprintf(stderr, "The evaluation needs a probe radius greater than 0 (-r), got %f!\n",
                     static_cast<double>(settings.radius));
        return false;
    }
    if (settings.blocks < 2) {
        std::fprintf(stderr, "The jackknife needs at least 2 blocks (-k), got %d!\n",
                     settings.blocks);
        return false;
    }
    char walk_name[kFileNameSize];
    if (!build_file_name(settings.walk_file, settings.mab ? "mab" : "lwk", 0, walk_name))
        return false;
    // Lattices are read with their labels whole, so that lattices of more
    // than 99 shells, as long walks need, are placed as they were written.
    PlacedLattice lattice;
    if (!place_named_lattice(settings.lattice_file, settings.shift, true, settings.verbose,
                             lattice, true))
        return false;
    const char* lattice_name = lattice.file_name.c_str();
    std::string prefix = settings.output_prefix ? settings.output_prefix : "";
    std::string table_name = prefix + ".tsv";
    std::string picture_name = prefix + ".svg";
    if (!prefix.empty()) {
        for (const std::string& output : {table_name, picture_name})
            if (would_overwrite_input(output, walk_name) ||
                would_overwrite_input(output, lattice_name))
                return false;
    }
    WalkArrays walks;
    if (!read_walk_arrays(walk_name, settings.mab, lattice.prepared.n, walks)) return false;
    if (walks.size() == 0) {
        std::fprintf(stderr, "No walks in %s!\n", walk_name);
        return false;
    }
    const WalkWeights weights = weigh_walks(settings, walk_name, lattice, walks);
    const WalkBlocks blocks =
        make_walk_blocks(walks.size(), settings.blocks, weights.log_weights, weights.tours);
    std::vector<std::string> notes = run_notes(settings, walk_name, lattice_name, walks, blocks);
    notes.push_back(weights.note);

    ProbeMarking marking(lattice, settings.radius, settings.verbose);
    std::vector<ProfileRow> rows;
    SweepSummary summary;
    if (!sweep_statistics(SweepGrid(settings), marking, index_walks(walks, lattice.prepared.n),
                          blocks, rows, summary, sweep_progress()))
        return false;
    sweep_notes(summary, walks.size(), weights.effective, notes);

    if (prefix.empty()) {
        write_profile_table(table, notes, rows);
        std::fflush(table);
        return true;
    }
    std::FILE* fp = std::fopen(table_name.c_str(), "w");
    if (!fp) {
        std::perror(table_name.c_str());
        return false;
    }
    write_profile_table(fp, notes, rows);
    std::fclose(fp);
    std::fprintf(stderr, "Written: %s\n", table_name.c_str());
    std::string title = formatted("korvi-stats: %s, probe radius %g", walk_name,
                                  static_cast<double>(settings.radius));
    if (draw_profile(rows, picture_name, title, blocks.weighted))
        std::fprintf(stderr, "Written: %s\n", picture_name.c_str());
    return true;
}
