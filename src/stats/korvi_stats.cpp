// Start-up of korvi-stats: output streams, banner, options, help or the run,
// and the elapsed time of a completed run.
#include "stats/korvi_stats.h"

#include <cstdint>
#include <cstdio>
#include <ctime>

#include "cli/line_buffers.h"
#include "cli/option_parser.h"
#include "cli/progress.h"
#include "cli/table_output.h"
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
    buffer_output_by_line();
    std::FILE* table = keep_standard_output_for_table();
    progress_setup();
    std::fputs("Korvi-stats 14-aug-2022\n", stderr);

    std::int64_t values[kStatsOptionCount] = {};
    const StatsOptionTable& options = stats_options();
    const int parsed =
        Bclnp(argc, argv, options.count(), options.entries(), options.long_texts(), values);
    if (parsed == kNumberRefused) return 0;  // its message says why; nothing is run
    if (parsed < 1) {
        set_stats_help_defaults(values);
        std::fputs("\nKorvi-stats ", stderr);
        Bprt_wrap(kDescription, 78, 2, 13, stderr);
        Bclnp(-argc, argv, options.count(), options.entries(), options.long_texts(), values);
        return 0;
    }
    StatsSettings settings = read_stats_settings(values);
    std::time_t begin = std::time(nullptr);
    bool completed = run_stats(settings, table);
    progress_end();
    if (completed)
        std::fprintf(stderr, "time: %d sec\n", static_cast<int>(std::time(nullptr) - begin));
    if (table != stdout) std::fclose(table);
    return 0;
}
