#include "lattice/bond_shells.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "lattice/generation.h"
#include "structure/elements.h"
#include "structure/model.h"

namespace {

// The atoms at exactly k bonds from start as Rlabd lists them.
std::vector<Atom*> rlabd_shell(Entry* e, Atom* start, int k) {
    int n = -k;
    Atom** shell = Rlabd(e, start, &n);
    std::vector<Atom*> atoms(shell, shell + n);
    std::free(shell);
    return atoms;
}

std::vector<Atom*> local_shell(const BondShells& s, int k) {
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
        int compared = 0;
        for (Atom* v = first_atom(e); !atom_end(e, v); v = v->next) {
            local.search(v, searched);
            for (int k = 1; k <= searched; ++k) {
                ASSERT_EQ(local_shell(local, k), rlabd_shell(e, v, k))
                    << "type " << type << ", vertex " << v->label << ", " << k << " bonds";
                ++compared;
            }
        }
        EXPECT_GT(compared, 100);
        Qdlntr(e, nullptr);
    }
}

TEST(BondShells, FollowSlotOrderAcrossRingsAndEmptySlots) {
    Entry head;
    head.type = 0;
    head.next = head.prev = &head;
    Entry* e = Qnsntr(&head);
    std::vector<Atom*> a;
    for (int i = 0; i < 8; ++i) a.push_back(Qnsatm(&e->atoms));
    // A ring 0-1-2-3-0 with tails 2-4, 3-5, 5-6; atom 7 is unbonded.
    Qnsbd(&e->bonds, a[0], a[3]);
    Qnsbd(&e->bonds, a[0], a[1]);
    Bond* gone = Qnsbd(&e->bonds, a[0], a[7]);
    Qnsbd(&e->bonds, a[1], a[2]);
    Qnsbd(&e->bonds, a[2], a[3]);
    Qnsbd(&e->bonds, a[2], a[4]);
    Qnsbd(&e->bonds, a[3], a[5]);
    Qnsbd(&e->bonds, a[5], a[6]);
    Qdlbd(gone);  // leaves an empty slot in atom 0

    BondShells s;
    s.search(a[0], 4);
    EXPECT_EQ(local_shell(s, 1), (std::vector<Atom*>{a[3], a[1]}));
    EXPECT_EQ(local_shell(s, 2), (std::vector<Atom*>{a[2], a[5]}));
    EXPECT_EQ(local_shell(s, 3), (std::vector<Atom*>{a[4], a[6]}));
    EXPECT_TRUE(s.shell(4).empty());
    EXPECT_TRUE(s.shell(5).empty());
    EXPECT_TRUE(s.shell(0).empty());
    for (int k = 1; k <= 3; ++k) EXPECT_EQ(local_shell(s, k), rlabd_shell(e, a[0], k));

    // A second search forgets the first one's visits.
    s.search(a[6], 2);
    EXPECT_EQ(local_shell(s, 1), (std::vector<Atom*>{a[5]}));
    EXPECT_EQ(local_shell(s, 2), (std::vector<Atom*>{a[3]}));
    Qdlntr(e, &head);
}

TEST(BondShells, GrowTheirVisitedSetForLargeNeighbourhoods) {
    Entry head;
    head.type = 0;
    head.next = head.prev = &head;
    Entry* e = Qnsntr(&head);
    Atom* hub = Qnsatm(&e->atoms);
    std::vector<Atom*> spokes, tips;
    for (int i = 0; i < 300; ++i) {
        spokes.push_back(Qnsatm(&e->atoms));
        Qnsbd(&e->bonds, hub, spokes.back());
    }
    for (int i = 0; i < 300; ++i) {
        tips.push_back(Qnsatm(&e->atoms));
        Qnsbd(&e->bonds, spokes[i], tips.back());
        Qnsbd(&e->bonds, spokes[(i + 1) % 300], tips.back());
    }
    BondShells s;
    s.search(hub, 2);
    EXPECT_EQ(local_shell(s, 1), spokes);
    EXPECT_EQ(local_shell(s, 2), rlabd_shell(e, hub, 2));
    EXPECT_EQ(s.shell(2).size(), 300u);
    Qdlntr(e, &head);
}
