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

} // namespace

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

// A ring 0-1-2-3-0 with tails 2-4, 3-5, 5-6, and an empty slot in atom 0
// where its bond to atom 7 was.
TEST(BondShells, FollowSlotOrderAcrossRingsAndEmptySlots) {
    EntryList list;
    Entry* e = list.add();
    Atoms a;
    for (int i = 0; i < 8; ++i)
        a.push_back(Qnsatm(&e->atoms));
    Qnsbd(&e->bonds, a[0], a[3]);
    Qnsbd(&e->bonds, a[0], a[1]);
    Qdlbd(Qnsbd(&e->bonds, a[0], a[7]));
    for (auto [p, q] : {std::pair{1, 2}, {2, 3}, {2, 4}, {3, 5}, {5, 6}})
        Qnsbd(&e->bonds, a[p], a[q]);

    BondShells s;
    s.search(a[0], 4);
    EXPECT_EQ(local_shell(s, 1), (Atoms{a[3], a[1]}));
    EXPECT_EQ(local_shell(s, 2), (Atoms{a[2], a[5]}));
    EXPECT_EQ(local_shell(s, 3), (Atoms{a[4], a[6]}));
    EXPECT_TRUE(s.shell(4).empty());
    EXPECT_TRUE(s.shell(0).empty());
    // A second search forgets the first one's visits.
    s.search(a[6], 2);
    EXPECT_EQ(local_shell(s, 1), (Atoms{a[5]}));
    EXPECT_EQ(local_shell(s, 2), (Atoms{a[3]}));
}

// A hub with 300 spokes whose tips each join two neighbouring spokes.
TEST(BondShells, GrowTheirVisitedSetForLargeNeighbourhoods) {
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
    BondShells s;
    s.search(hub, 2);
    EXPECT_EQ(local_shell(s, 1), spokes);
    EXPECT_EQ(s.shell(2).size(), 300u);
    EXPECT_EQ(local_shell(s, 2), rlabd_shell(e, hub, 2));
}
