// The output of the generate-walks run: .lwk records or .mab entries.
#include "driver/walk_output.h"

#include "base/same_file.h"
#include "driver/settings.h"
#include "structure/mab_file.h"
#include "structure/model.h"
#include "sweep/placed_lattice.h"
#include "walks/conversion.h"
#include "walks/walk_file.h"

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
