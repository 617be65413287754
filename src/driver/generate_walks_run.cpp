// Generate-walks run: excludes the first sphere, then grows the requested
// number of self-avoiding walks from the lattice origin and writes them.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/random.h"
#include "base/same_file.h"
#include "cli/file_names.h"
#include "cli/progress.h"
#include "driver/lattice_picture.h"
#include "driver/runs.h"
#include "driver/walk_file_comment.h"
#include "structure/mab_file.h"
#include "structure/model.h"
#include "sweep/placed_lattice.h"
#include "walks/conversion.h"
#include "walks/generation.h"
#include "walks/scoring.h"
#include "walks/walk_file.h"
#include "walks/walk_record.h"

namespace {

// In verbose runs the lattice is pictured as a CIF file beside the lattice
// file (its extension replaced, so the lattice file itself is never touched).
void picture_lattice(const Settings& settings, PlacedLattice& lattice) {
    char cif_name[kFileNameSize];
    if (build_file_name(settings.lattice_file, "cif", 1, cif_name))
        write_lattice_picture(lattice.lattice, cif_name, settings.lattice_file);
}

// The output: walk records in a .lwk file, or walk entries in a .mab file (-m).
struct WalkOutput {
    std::FILE* fp = nullptr;
    char name[kFileNameSize] = {};
    bool mab = false;
    PlacedLattice* lattice = nullptr;  // for walk entries
};

// Opens the file named by the positional name with the extension "lwk" (or
// "mab"); reports and returns false when it cannot be written or would be
// the lattice file itself.
bool open_walk_output(const Settings& settings, PlacedLattice& lattice, WalkOutput& output) {
    output.mab = settings.mab;
    output.lattice = &lattice;
    if (!build_file_name(settings.walk_file, output.mab ? "mab" : "lwk", 0, output.name))
        return false;
    if (same_file(output.name, lattice.file_name.c_str())) {
        std::fprintf(stderr, "Walks not written: %s is the lattice file!\n", output.name);
        return false;
    }
    output.fp = std::fopen(output.name, "w");
    if (!output.fp) {
        std::perror(output.name);
        return false;
    }
    return true;
}

// The comment goes with the first .lwk record only.
void write_walk(WalkOutput& output, const WalkRecord* walk, const char* comment) {
    if (!output.mab) {
        Xwrlwk(output.fp, walk, comment);
        return;
    }
    PlacedLattice& lattice = *output.lattice;
    Entry* entry = Xlwkntr(walk, lattice.lattice, lattice.prepared.table, lattice.prepared.n);
    if (!entry) return;
    Istmab(output.fp, entry, 0);
    Qdlntr(entry, nullptr);
}

void close_walk_output(WalkOutput& output) {
    std::fclose(output.fp);
    output.fp = nullptr;
    std::fprintf(stderr, "Written: %s\n", output.name);
}

}  // namespace

bool run_generate_walks(const Settings& settings, PlacedLattice& lattice) {
    if (!settings.walk_file) {
        std::fputs("No .file name given!\n", stderr);
        return false;
    }
    if (settings.walks < 1) {
        std::fprintf(stderr, "Number of walks to be generated too small: %d!\n", settings.walks);
        return false;
    }
    if (lattice.sphere) {
        lattice.put_sphere(settings.distance, 0.0f, 0.0f);
        if (!exclude_sphere(lattice, settings.radius, settings.verbose)) return false;
        if (settings.verbose) picture_lattice(settings, lattice);
    }

    WalkOutput output;
    if (!open_walk_output(settings, lattice, output)) return false;
    WalkRecord* walk = Xnslwk(settings.extension + 1);
    if (!walk) {
        std::fputs("Got no walk!\n", stderr);
        return false;
    }
    Bsrand(settings.seed);
    const float* params = Xlwkpar(nullptr, nullptr, nullptr);
    std::string comment = walk_file_comment(settings);

    int written = 0;
    long attempts = 0;
    progress_begin("walks", settings.walks, 256);
    while (written < settings.walks) {
        progress_update(written, attempts++);
        if (!Xltsaw(lattice.lattice, lattice.prepared.origin, settings.extension, params, walk)) {
            const SawAttempt& attempt = last_saw_attempt();
            if (!attempt.futile) continue;
            if (!attempt.refused)
                std::fprintf(stderr,
                             "No walk of %d steps possible: only %d free vertices can be reached "
                             "from the origin!\n",
                             settings.extension, attempt.reachable);
            std::free(walk);
            return false;
        }
        ++written;
        std::snprintf(walk->name, sizeof walk->name, "wlk%d", written);
        write_walk(output, walk, written == 1 ? comment.c_str() : nullptr);
    }
    std::free(walk);
    close_walk_output(output);
    return true;
}
