// Lattices made in memory as the walk generator's set-up makes them: built
// by Xltgen with the carbon bond length, placed with the origin at
// (shift, 0, 0), numbered, and with a radius marked by a first sphere centred
// at (distance, 0, 0).
#pragma once

#include <cstdlib>

#include "base/output_capture.h"
#include "lattice/enumeration.h"
#include "lattice/generation.h"
#include "structure/elements.h"
#include "structure/model.h"
#include "walks/exclusion.h"

struct LatticeSetup {
    int type = 0;  // 0 diamond, 1 simple cubic, 2 bcc, 3 fcc
    int shells = 4;
    float shift = 0.0f;
    float radius = 0.0f;  // 0: no first sphere
    float distance = 0.0f;
};

class GeneratedLattice {
public:
    explicit GeneratedLattice(const LatticeSetup& setup) {
        OutputCapture quiet;  // generation prints its time and summary
        const float points[6] = {0, 0, 0, -1, 0, 0};
        entry = Xltgen(setup.type, points, setup.shells, nullptr, Qbdlen(6, 6));
        prepared = prepare_lattice(entry, setup.shift, false);
        if (setup.radius > 0.0f) {
            sphere = Qnsntr(nullptr);
            Atom* centre = Qnsatm(&sphere->atoms);
            centre->x = setup.distance;
            Xltocc(entry, nullptr, 1, &sphere, kOccupancyFreeFirst, setup.radius);
        }
    }
    ~GeneratedLattice() {
        std::free(prepared.table);
        if (sphere) Qdlntr(sphere, nullptr);
        Qdlntr(entry, nullptr);
    }
    GeneratedLattice(const GeneratedLattice&) = delete;
    GeneratedLattice& operator=(const GeneratedLattice&) = delete;

    Entry* entry = nullptr;
    Entry* sphere = nullptr;
    PreparedLattice prepared;
};
