// Start-up of korvi-perm: output streams, banner, options, help or the run,
// and the elapsed time of a completed run.
#include "perm/korvi_perm.h"

#include <cstdint>
#include <cstdio>
#include <ctime>

#include "cli/line_buffers.h"
#include "cli/option_parser.h"
#include "cli/progress.h"
#include "cli/table_output.h"
#include "perm/perm_options.h"
#include "perm/sampling_run.h"
#include "perm/sweep_mode.h"

namespace {

constexpr const char* kDescription =
    "samples self-avoiding walks of N steps from the lattice origin, around the first sphere, in "
    "the ensemble the walk model defines: every walk weighted by the product of its step "
    "weights (interaction with the sphere and gauche-trans torsion). It estimates the partition "
    "sum Z_n at every length with errors from independent batches, by the pruned-enriched "
    "Rosenbluth method, and writes the walks with their weights for korvi-stats. With -x it "
    "sweeps a probe sphere over korvi's grid instead and estimates at every position the "
    "probe's free energy in that ensemble, down to contact.\n\n";

}  // namespace

int korvi_perm_main(int argc, char** argv) {
    buffer_output_by_line();
    std::FILE* table = keep_standard_output_for_table();
    progress_setup();
    std::fputs("Korvi-perm 14-aug-2022\n", stderr);
    const int start_seed = seed_from_time(static_cast<long long>(std::time(nullptr)));

    std::int64_t values[kPermOptionCount] = {};
    const PermOptionTable& options = perm_options();
    const int parsed =
        Bclnp(argc, argv, options.count(), options.entries(), options.long_texts(), values);
    if (parsed == kNumberRefused) return 0;  // its message says why; nothing is run
    if (parsed < 1) {
        set_perm_help_defaults(values, start_seed);
        std::fputs("\nKorvi-perm ", stderr);
        Bprt_wrap(kDescription, 78, 2, 12, stderr);
        Bclnp(-argc, argv, options.count(), options.entries(), options.long_texts(), values);
        return 0;
    }
    const PermOptions settings = read_perm_options(values, start_seed);
    std::time_t begin = std::time(nullptr);
    bool completed =
        settings.sweep ? run_sweep_mode(settings, table) : run_sampling(settings, table);
    progress_end();
    if (completed)
        std::fprintf(stderr, "time: %d sec\n", static_cast<int>(std::time(nullptr) - begin));
    if (table != stdout) std::fclose(table);
    return 0;
}
