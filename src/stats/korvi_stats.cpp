// korvi-stats' entry: its description and options, and the run they start.
#include "stats/korvi_stats.h"

#include <cstdint>
#include <cstdio>
#include <ctime>

#include "cli/table_program.h"
#include "stats/stats_options.h"
#include "stats/stats_run.h"

namespace {

constexpr const char* kDescription =
    "estimates, with error bars, what korvi's evaluate mode measures for an ensemble of lattice "
    "walks: touched fractions, free energies and excluded solid angles, areas and volumes of a "
    "probe sphere swept over positions. Errors come from a delete-one-block jackknife over the "
    "walks; Rosenbluth weights, recomputed by replaying each walk's growth, undo the bias of the "
    "walk generator against crowded conformations. Walks that carry their weights in weight "
    "lines ('# ln_weight ... tour ...') are weighted by these.\n\n";

}  // namespace

int korvi_stats_main(int argc, char** argv) {
    const StatsOptionTable& options = stats_options();
    return run_table_program(
        argc, argv,
        {"Korvi-stats", kDescription, options.count(), options.entries(), options.long_texts(),
         set_stats_help_defaults, [](const std::int64_t* values, std::FILE* table) {
             return run_stats(read_stats_settings(values), table);
         }});
}
