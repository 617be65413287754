// The lattice picture of a verbose generate-walks run with a sphere.
#include "driver/lattice_picture.h"

#include <cstdio>

#include "structure/cif_file.h"
#include "structure/model.h"

namespace {

constexpr int kSphereElement = 16;  // set by the sphere exclusion on the vertices it counts

bool at_sphere(const Bond* b) {
    return b->atom1->element == kSphereElement || b->atom2->element == kSphereElement;
}

}  // namespace

void write_lattice_picture(Entry* lattice, const char* cif_name, const char* block) {
    if (!lattice || !cif_name) return;
    for (Bond* b = lattice->bonds.next; b != &lattice->bonds; b = b->next)
        b->colour = at_sphere(b) ? 0 : 1;
    FILE* file = std::fopen(cif_name, "w");
    if (!file) {
        std::perror("lattice cif file");
        return;
    }
    lattice->colour = -1;
    Qstntr(lattice, 1, nullptr);
    Istcif(file, 1, &lattice, nullptr, block, 0, nullptr);
    std::fclose(file);
    std::fprintf(stderr, "Written: %s\n", cif_name);
}
