// The linear ring-closure search: the same shells in the same order as
// Rlabd, on generated lattices and on hand-made graphs.
#include "lattice/bond_shells.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "lattice/generation.h"
#include "structure/elements.h"
#include "structure/model.h"
#include "support/entry_list.h"

namespace {

using Atoms = std::vector<Atom*>;

// The atoms at exactly k bonds from start as Rlabd lists them.
Atoms rlabd_shell(Entry* e, Atom* start, int k) {
    int n = -k;
    Atom** shell = Rlabd(e, start, &n);
    Atoms atoms(shell, shell + n);
    std::free(shell);
    return atoms;
}

Atoms local_shell(const BondShells& s, int k) {
    auto shell = s.shell(k);
    return {shell.begin(), shell.end()};
}

}  // namespace

TEST(BondShells, MatchRlabdOnEveryVertexOfGeneratedLattices) {
    const float points[6] = {0, 0, 0, -1, 0, 0};
    const int shells[4] = {5, 4, 4, 3};
    for (int type = 0; type < 4; ++type) {
        testing::internal::CaptureStderr();
        Entry* e = Xltgen(type, points, shells[type], nullptr, Qbdlen(6, 6));
        testing::internal::GetCapturedStderr();
        ASSERT_NE(e, nullptr);
        const int depth = lattice_type(type)->ring_depth;
        const int searched = depth == 1 ? 2 : depth;
        BondShells local;
        for (Atom* v = first_atom(e); !atom_end(e, v); v = v->next) {
            local.search(v, searched);
            for (int k = 1; k <= searched; ++k)
                ASSERT_EQ(local_shell(local, k), rlabd_shell(e, v, k))
                    << "type " << type << ", vertex " << v->label << ", " << k << " bonds";
        }
        Qdlntr(e, nullptr);
    }
}

// A hub with 300 spokes whose tips each join two neighbouring spokes: rings
// of four through the hub, enough atoms to make the visited set grow, and an
// empty slot in the hub where one spoke's bond was. Each search forgets the
// visits of the one before.
TEST(BondShells, MatchRlabdAcrossRingsEmptySlotsAndLargeNeighbourhoods) {
    EntryList list;
    Entry* e = list.add();
    Atom* hub = Qnsatm(&e->atoms);
    Atoms spokes;
    for (int i = 0; i < 300; ++i) {
        spokes.push_back(Qnsatm(&e->atoms));
        Qnsbd(&e->bonds, hub, spokes.back());
    }
    for (int i = 0; i < 300; ++i) {
        Atom* tip = Qnsatm(&e->atoms);
        Qnsbd(&e->bonds, spokes[i], tip);
        Qnsbd(&e->bonds, spokes[(i + 1) % 300], tip);
    }
    Qdlbd(hub->slots[7]);
    BondShells s;
    for (Atom* start : {hub, spokes[7], spokes[8], hub}) {
        s.search(start, 3);
        for (int k = 1; k <= 3; ++k)
            EXPECT_EQ(local_shell(s, k), rlabd_shell(e, start, k)) << k << " bonds";
        EXPECT_TRUE(s.shell(0).empty());
        EXPECT_TRUE(s.shell(4).empty());
    }
    EXPECT_EQ(s.shell(1).size(), 299u);
}
