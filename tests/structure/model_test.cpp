// The structure model: bond slots, removals and their repairs, entry
// bookkeeping and extra values. Where Qnsntr puts an entry the conversion and
// copy tests show; a crystal's fractionalising matrix, the .mab writer's.
#include "structure/model.h"

#include <gtest/gtest.h>

#include <climits>

#include "support/entry_list.h"

namespace {

// One entry in a private list.
struct Model : testing::Test {
    EntryList list;
    Entry* e = list.add();
    Atom* atom() { return Qnsatm(&e->atoms); }
    Bond* bond(Atom* a, Atom* b) { return Qnsbd(&e->bonds, a, b); }
};

}  // namespace

TEST_F(Model, ABondIsMadeOnceInEitherDirectionAndNeverToItself) {
    Atom* a = atom();
    Atom* b = atom();
    EXPECT_NE(bond(a, b), nullptr);
    EXPECT_EQ(bond(a, b), nullptr);
    EXPECT_EQ(bond(b, a), nullptr);
    EXPECT_EQ(bond(a, a), nullptr);
    EXPECT_EQ(bond_count(a), 1);
    EXPECT_EQ(e->bonds.next, e->bonds.prev);
}

// Five bonds need a slot array of capacity 8; a freed slot is filled next.
TEST_F(Model, SlotArraysGrowByFourAndReuseFreedSlots) {
    Atom* centre = atom();
    Atom* others[6];
    for (Atom*& o : others) o = atom();
    for (int i = 0; i < 5; ++i) bond(centre, others[i]);
    EXPECT_EQ(centre->nslots, 8);
    EXPECT_EQ(others[0]->nslots, 4);
    EXPECT_EQ(Qdlbd(centre->slots[1]), 1);
    EXPECT_EQ(centre->slots[1], nullptr);
    Bond* again = bond(centre, others[5]);
    EXPECT_EQ(centre->slots[1], again);
    EXPECT_EQ(Qbdnbr(again, centre), others[5]);
    EXPECT_EQ(Qbdnbr(again, others[5]), centre);
}

// The lost neighbour becomes an implicit hydrogen, unless the count is the
// no-value mark; bonds of negative colour are protected.
TEST_F(Model, RemovingABondAddsAHydrogenToEachEnd) {
    Atom* a = atom();
    Atom* b = atom();
    Bond* fixed = bond(a, atom());
    fixed->colour = -3;
    b->hcount = INT_MAX;
    EXPECT_EQ(Qdlbd(fixed), 0);
    EXPECT_EQ(Qdlbd(nullptr), 0);
    EXPECT_EQ(Qdlbd(bond(a, b)), 1);
    EXPECT_EQ(a->hcount, 5);
    EXPECT_EQ(b->hcount, INT_MAX);
    EXPECT_EQ(bond_count(a), 1);
}

TEST_F(Model, DeletingSelectedAtomsRepairsMonomersAndAnEmptiedEntryIsReleased) {
    Monomer* m1 = Qnsmon(&e->monomers, e);
    Monomer* m2 = Qnsmon(&e->monomers, e);
    Atom* a[4];
    for (Atom*& x : a) x = atom();
    a[0]->monomer = a[1]->monomer = a[2]->monomer = m1;
    a[3]->monomer = m2;
    m1->first = a[0];
    m2->first = a[3];
    bond(a[0], a[1]);
    a[0]->selection = a[3]->selection = 1;
    EXPECT_EQ(Qdlatm(e, 1), e);
    EXPECT_EQ(first_atom(e), a[1]);
    EXPECT_TRUE(atom_end(e, a[2]->next));
    EXPECT_EQ(a[1]->hcount, 5);
    // m1 lost its first atom and starts at its last survivor; m2 lost them all.
    EXPECT_EQ(m1->first, a[2]);
    EXPECT_EQ(e->monomers.next, m1);
    EXPECT_EQ(m1->next, &e->monomers);
    a[1]->selection = a[2]->selection = 2;
    EXPECT_EQ(Qdlatm(e, 2), nullptr);
    EXPECT_EQ(list.size(), 0);
}

TEST_F(Model, EntryMembershipStateBitsAndCounts) {
    Entry stranger;
    EXPECT_EQ(Qisntr(e, &list.head), e);
    EXPECT_EQ(Qisntr(&list.head, &list.head), &list.head);
    EXPECT_EQ(Qisntr(&stranger, &list.head), nullptr);
    EXPECT_EQ(Qdlntr(&stranger, &list.head), 0);
    EXPECT_EQ(Qdlntr(&list.head, &list.head), 0);
    EXPECT_EQ(Qstntr(&stranger, 2, &list.head), 1);
    e->state = 8 | 1;
    EXPECT_EQ(Qstntr(e, 2, &list.head), 0);
    EXPECT_EQ(e->state, 8 | 2);
    EXPECT_EQ(Qcntntr(e, 2, 1), 1);
    EXPECT_EQ(Qcntntr(e, 4, 0), 0);
    EXPECT_EQ(Qcntntr(&list.head, 2, 0), 1);
}

TEST_F(Model, ExtraValuesGrowKeepAndClear) {
    Atom* a = atom();
    EXPECT_EQ(Radat(a, 2), 2);
    a->values[0] = 5.0f;
    EXPECT_EQ(Radat(a, 4), 4);  // grown: old values kept, new ones 0
    EXPECT_EQ(a->values[0], 5.0f);
    EXPECT_EQ(a->values[3], 0.0f);
    EXPECT_EQ(Radat(a, 3), 3);   // shrunk in place
    EXPECT_EQ(Radat(a, -3), 3);  // every value cleared
    EXPECT_EQ(a->values[0], 0.0f);
    EXPECT_EQ(Radat(a, 0), 0);
    EXPECT_EQ(a->values, nullptr);
}
