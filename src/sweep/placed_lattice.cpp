// Reading, placing and numbering the lattice of a run, and the sphere
// exclusion on it with its reports.
#include "sweep/placed_lattice.h"

#include <cstdio>
#include <cstdlib>

#include "base/stream_buffer.h"
#include "structure/jkl_file.h"
#include "structure/model.h"
#include "walks/exclusion.h"

namespace {

// Large lattice files are read in large pieces rather than a page at a time.
constexpr std::size_t kLatticeFileBuffer = std::size_t{1} << 16;

Entry* read_lattice(const char* name, bool whole_labels) {
    std::FILE* fp = std::fopen(name, "r");
    if (!fp) {
        std::perror(name);
        return nullptr;
    }
    StreamBuffer buffer(fp, kLatticeFileBuffer);
    // Held by this thread for the whole reading, the stream is not locked
    // again line by line, as it would be while another thread runs.
    flockfile(fp);
    Entry* lattice = Igtjklm(fp, nullptr, whole_labels);
    funlockfile(fp);
    std::fclose(fp);
    if (!lattice) std::fprintf(stderr, "Got no lattice from %s!\n", name);
    return lattice;
}

}  // namespace

void PlacedLattice::put_sphere(float x, float y, float z) {
    sphere_atom->x = x;
    sphere_atom->y = y;
    sphere_atom->z = z;
}

bool place_lattice(const char* file_name, float shift, bool sphere, bool verbose,
                   PlacedLattice& placed, bool whole_labels) {
    placed.file_name = file_name;
    placed.lattice = read_lattice(file_name, whole_labels);
    if (!placed.lattice) return false;
    placed.prepared = prepare_lattice(placed.lattice, shift, verbose);
    if (!placed.prepared.table) {
        std::fputs("Lattice enumeration failed!\n", stderr);
        return false;
    }
    if (sphere) {
        placed.sphere = Qnsntr(nullptr);
        if (!placed.sphere) {
            std::fputs("Got no sphere entry!\n", stderr);
            return false;
        }
        placed.sphere_atom = Qnsatm(&placed.sphere->atoms);
        if (!placed.sphere_atom) {
            std::fputs("Got no sphere atom!\n", stderr);
            return false;
        }
    }
    return true;
}

void release_lattice(PlacedLattice& placed) {
    if (placed.sphere) Qdlntr(placed.sphere, nullptr);
    if (placed.lattice) Qdlntr(placed.lattice, nullptr);
    std::free(placed.prepared.table);
    placed = PlacedLattice{};
}

const OccupancyCounts* exclusion_counts(PlacedLattice& placed, float radius, bool verbose) {
    return Xltocc(placed.lattice, nullptr, 1, &placed.sphere,
                  kOccupancyFreeFirst | (verbose ? kOccupancyProgress : 0), radius);
}

bool report_exclusion(const PlacedLattice& placed, const OccupancyCounts* counts, bool verbose) {
    if (!counts) {
        std::fprintf(stderr, "%s holds no lattice (entry type %d)!\n", placed.file_name.c_str(),
                     placed.lattice->type);
        return false;
    }
    if (verbose)
        std::fprintf(stderr, "Found %d occupied, %d\n", counts->occupied, counts->first_steps);
    if (counts->first_steps < 1) {
        std::fputs("No walks possible\n", stderr);
        return false;
    }
    return true;
}

bool exclude_sphere(PlacedLattice& placed, float radius, bool verbose) {
    return report_exclusion(placed, exclusion_counts(placed, radius, verbose), verbose);
}
