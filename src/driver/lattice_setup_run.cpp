// Runs on a read lattice: the lattice set-up shared by generate-walks and
// evaluate (read, place, enumerate, make the sphere entry), then the mode.
#include <cstdio>

#include "base/stream_buffer.h"
#include "cli/file_names.h"
#include "driver/lattice_run.h"
#include "driver/runs.h"
#include "driver/walk_ensemble.h"
#include "structure/jkl_file.h"
#include "structure/model.h"
#include "walks/exclusion.h"

namespace {

// Large lattice files are read in large pieces rather than a page at a time.
constexpr std::size_t kLatticeFileBuffer = std::size_t{1} << 16;

Entry* read_lattice(const char* name) {
    std::FILE* fp = std::fopen(name, "r");
    if (!fp) {
        std::perror(name);
        return nullptr;
    }
    StreamBuffer buffer(fp, kLatticeFileBuffer);
    // Held by this thread for the whole reading, the stream is not locked
    // again line by line, as it would be while another thread runs.
    flockfile(fp);
    Entry* lattice = Igtjklm(fp, nullptr);
    funlockfile(fp);
    std::fclose(fp);
    if (!lattice) std::fprintf(stderr, "Got no lattice from %s!\n", name);
    return lattice;
}

}  // namespace

bool report_exclusion(const LatticeRun& run, const OccupancyCounts* counts, int verbose,
                      int* first_steps) {
    if (!counts) {
        std::fprintf(stderr, "%s holds no lattice (entry type %d)!\n", run.lattice_name,
                     run.lattice->type);
        return false;
    }
    if (verbose)
        std::fprintf(stderr, "Found %d occupied, %d\n", counts->occupied, counts->first_steps);
    if (counts->first_steps < 1) {
        std::fputs("No walks possible\n", stderr);
        return false;
    }
    *first_steps = counts->first_steps;
    return true;
}

const OccupancyCounts* exclusion_counts(const LatticeRun& run, float radius, int verbose) {
    return Xltocc(run.lattice, nullptr, 1, &run.sphere, kOccupancyFreeFirst | verbose, radius);
}

bool exclude_sphere(const LatticeRun& run, float radius, int verbose, int* first_steps) {
    return report_exclusion(run, exclusion_counts(run, radius, verbose), verbose, first_steps);
}

bool set_up_lattice(const char* lattice_file, float shift, bool sphere, bool verbose,
                    LatticeRun& run) {
    if (!lattice_file) {
        std::fputs("No lattice file given (option -l)!\n", stderr);
        return false;
    }
    if (!build_file_name(lattice_file, "jkl", 0, run.lattice_name)) return false;
    run.lattice = read_lattice(run.lattice_name);
    if (!run.lattice) return false;
    run.prepared = prepare_lattice(run.lattice, shift, verbose);
    if (!run.prepared.table) {
        std::fputs("Lattice enumeration failed!\n", stderr);
        return false;
    }
    if (sphere) {
        run.sphere = Qnsntr(nullptr);
        if (!run.sphere) {
            std::fputs("Got no sphere entry!\n", stderr);
            return false;
        }
        run.sphere_atom = Qnsatm(&run.sphere->atoms);
        if (!run.sphere_atom) {
            std::fputs("Got no sphere atom!\n", stderr);
            return false;
        }
    }
    return true;
}

bool run_lattice_modes(const Settings& settings) {
    const std::unique_ptr<EarlyWalkScan> early_walks = start_early_walk_scan(settings);
    LatticeRun run;
    if (!set_up_lattice(settings.lattice_file, settings.shift, settings.radius > 0.0f,
                        settings.verbose != 0, run))
        return false;
    if (settings.extension > 0) return run_generate_walks(settings, run);
    return run_evaluate(settings, run, early_walks.get());
}
