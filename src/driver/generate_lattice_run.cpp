// Generate-lattice run: builds a lattice and writes it as a .jkl file named
// after the lattice entry.
#include <cstdio>

#include "cli/progress.h"
#include "driver/runs.h"
#include "lattice/generation.h"
#include "structure/elements.h"
#include "structure/jkl_file.h"
#include "structure/model.h"

namespace {

void show_shell(int shell, int /*vertices*/) {
    progress_update(shell);
}

}  // namespace

bool run_generate_lattice(const Settings& settings) {
    int types = Xltnty(nullptr);
    if (settings.lattice_type < 0 || settings.lattice_type >= types) {
        std::fprintf(stderr, "Non-existing lattice type (<%d) %d!\n", types, settings.lattice_type);
        return false;
    }
    int code = settings.lattice_type + (settings.verbose ? kLatticeVerbose : 0);
    // The origin and a point behind it: the first edge runs along +x.
    const float points[6] = {0.0f, 0.0f, 0.0f, -1.0f, 0.0f, 0.0f};
    progress_begin("lattice shells", settings.shells);
    Entry* lattice = Xltgen(code, points, settings.shells,
                            progress_enabled() ? show_shell : nullptr, Qbdlen(6, 6));
    progress_end();
    if (!lattice) {
        std::fputs("Lattice generation failed!\n", stderr);
        return true;
    }
    // The generator names the lattice "<type>_<shells>" (at most 15
    // characters), so the file name always fits the buffer.
    char name[sizeof lattice->name + 4];
    std::snprintf(name, sizeof name, "%s.jkl", lattice->name);
    std::FILE* fp = std::fopen(name, "w");
    if (!fp) {
        std::perror(name);
        return true;
    }
    Istjkl(fp, lattice, 0);
    std::fclose(fp);
    std::fprintf(stderr, "Written: %s\n", name);
    return true;
}
