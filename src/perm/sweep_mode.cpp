// From korvi-perm's options to a sweep's settings and run.
#include "perm/sweep_mode.h"

#include <cstdio>

#include "cli/file_names.h"
#include "perm/sweep_run.h"

namespace {

// "k/m" with 1 <= k <= m into *share; false after a message.
bool read_share(const char* text, Share* share) {
    int k = 0, m = 0, used = 0;
    if (std::sscanf(text, "%d/%d%n", &k, &m, &used) == 2 && text[used] == '\0' && k >= 1 &&
        k <= m) {
        *share = {k, m};
        return true;
    }
    std::fprintf(stderr, "A share is k/m with 1 <= k <= m (-c), got '%s'!\n", text);
    return false;
}

}  // namespace

bool run_sweep_mode(const PermOptions& o, std::FILE* table) {
    SweepRunOptions run;
    run.threads = o.threads;
    run.output_prefix = o.output_prefix;
    run.verbose = o.verbose;
    run.merge = o.merge;
    if (o.merge < 0) {
        std::fprintf(stderr, "A merge joins m >= 1 shares (-u), got %d!\n", o.merge);
        return false;
    }
    if (o.walk_file)
        std::fprintf(stderr, "The sweep (-x) writes no walks: %s is not written\n", o.walk_file);
    ProbeSweepSettings s;
    if (o.merge > 0) return run_probe_sweep(s, run, table);  // the shares hold the settings
    if (o.share && !read_share(o.share, &run.share)) return false;
    if (run.share.count > 1 && !o.seed_given) {
        std::fputs("Every share of a sweep needs the same seed: give it with -i!\n", stderr);
        return false;
    }
    if (o.threads < 0) {
        std::fprintf(stderr, "The threads (-j) cannot be negative, got %d!\n", o.threads);
        return false;
    }
    if (o.lattice_file) {
        char name[kFileNameSize];
        if (!build_file_name(o.lattice_file, "jkl", 0, name)) return false;
        s.lattice_file = name;
    }
    s.grid = o;
    s.first = o.first;
    s.steps = o.steps;
    s.parameters = o.parameters;
    s.tours_per_batch = o.tours;
    s.batches = o.batches;
    s.seed = o.seed;
    return run_probe_sweep(s, run, table);
}
