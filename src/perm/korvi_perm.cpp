// korvi-perm's entry: its description and options, and the sampling or sweep
// run they start.
#include "perm/korvi_perm.h"

#include <cstdint>
#include <cstdio>
#include <ctime>

#include "cli/table_program.h"
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
    const int start_seed = seed_from_time(static_cast<long long>(std::time(nullptr)));
    const PermOptionTable& options = perm_options();
    return run_table_program(
        argc, argv,
        {"Korvi-perm", kDescription, options.count(), options.entries(), options.long_texts(),
         [start_seed](std::int64_t* values) { set_perm_help_defaults(values, start_seed); },
         [start_seed](const std::int64_t* values, std::FILE* table) {
             const PermOptions settings = read_perm_options(values, start_seed);
             return settings.sweep ? run_sweep_mode(settings, table)
                                   : run_sampling(settings, table);
         }});
}
