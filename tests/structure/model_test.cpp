#include "structure/model.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

namespace {

// An entry in its own list, released at the end of the test.
struct ScratchEntry {
    Entry head;
    Entry* entry;
    ScratchEntry() {
        head.type = 0;
        head.next = head.prev = &head;
        entry = Qnsntr(&head);
    }
    ~ScratchEntry() { Qdlntr(entry, &head); }
    Atom* atom() { return Qnsatm(&entry->atoms); }
    Bond* bond(Atom* a, Atom* b) { return Qnsbd(&entry->bonds, a, b); }
};

int count_atoms(Entry* e) {
    int n = 0;
    for (Atom* a = first_atom(e); !atom_end(e, a); a = a->next) ++n;
    return n;
}

}  // namespace

TEST(Model, NewRecordsCarryTheirDefaults) {
    ScratchEntry s;
    Entry* e = s.entry;
    EXPECT_EQ(e->state, 1);
    EXPECT_EQ(e->type, 1);
    EXPECT_EQ(e->colour, -1);
    EXPECT_STREQ(e->name, "");
    EXPECT_EQ(std::strlen(e->atoms.label), 63u);
    EXPECT_EQ(e->atoms.label[0], 'i');
    EXPECT_EQ(e->atoms.element, 0);
    EXPECT_EQ(e->atoms.bfactor, 0.0f);

    Atom* a = s.atom();
    EXPECT_EQ(a->occupancy, 1.0f);
    EXPECT_EQ(a->bfactor, 30.0f);
    EXPECT_EQ(a->element, 6);
    EXPECT_EQ(a->hcount, 4);
    EXPECT_EQ(a->cshift, 3.4028235e38f);
    EXPECT_STREQ(a->label, "");

    Bond* b = s.bond(a, s.atom());
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->colour, 1);
    EXPECT_EQ(b->order, 1);
    EXPECT_EQ(b->weight, 1.0f);
}

TEST(Model, ListsKeepInsertionOrder) {
    ScratchEntry s;
    Atom* a = s.atom();
    Atom* b = s.atom();
    Atom* c = s.atom();
    EXPECT_EQ(first_atom(s.entry), a);
    EXPECT_EQ(a->next, b);
    EXPECT_EQ(b->next, c);
    EXPECT_TRUE(atom_end(s.entry, c->next));
    Entry* second = Qnsntr(&s.head);
    EXPECT_EQ(s.head.next, s.entry);
    EXPECT_EQ(s.entry->next, second);
    Entry* before = Qnsntr(second);  // given an entry: inserted just before it
    EXPECT_EQ(s.entry->next, before);
    EXPECT_EQ(before->next, second);
    EXPECT_EQ(Qcntntr(&s.head, 0, 0), 3);
    EXPECT_EQ(Qdlntr(second, &s.head), 1);
    EXPECT_EQ(Qdlntr(second == before ? nullptr : before, &s.head), 1);
}

TEST(Model, ABondIsMadeOnceInEitherDirection) {
    ScratchEntry s;
    Atom* a = s.atom();
    Atom* b = s.atom();
    EXPECT_NE(s.bond(a, b), nullptr);
    EXPECT_EQ(s.bond(a, b), nullptr);
    EXPECT_EQ(s.bond(b, a), nullptr);
    EXPECT_EQ(s.bond(a, a), nullptr);
    EXPECT_EQ(bond_count(a), 1);
    EXPECT_EQ(s.entry->bonds.next, s.entry->bonds.prev);
}

TEST(Model, ARemovedBondAddsAHydrogenUnlessTheCountIsTheNoValueMark) {
    ScratchEntry s;
    Atom* a = s.atom();
    Atom* b = s.atom();
    a->hcount = INT_MAX;
    b->hcount = 2;
    Qdlbd(s.bond(a, b));
    EXPECT_EQ(a->hcount, INT_MAX);
    EXPECT_EQ(b->hcount, 3);
}

TEST(Model, SlotArraysGrowByFourAndReuseFreedSlots) {
    ScratchEntry s;
    Atom* centre = s.atom();
    Atom* others[6];
    Bond* bonds[5];
    for (Atom*& o : others) o = s.atom();
    for (int i = 0; i < 5; ++i) bonds[i] = s.bond(centre, others[i]);
    EXPECT_EQ(centre->nslots, 8);
    EXPECT_EQ(others[0]->nslots, 4);
    EXPECT_EQ(Qdlbd(bonds[1]), 1);
    EXPECT_EQ(centre->slots[1], nullptr);
    EXPECT_EQ(centre->hcount, 5);
    EXPECT_EQ(others[1]->hcount, 5);
    Bond* again = s.bond(centre, others[5]);
    EXPECT_EQ(centre->slots[1], again);
    EXPECT_EQ(Qbdnbr(again, centre), others[5]);
    EXPECT_EQ(Qbdnbr(again, others[5]), centre);
}

TEST(Model, BondsOfNegativeColourAreNotDeleted) {
    ScratchEntry s;
    Bond* b = s.bond(s.atom(), s.atom());
    b->colour = -3;
    EXPECT_EQ(Qdlbd(b), 0);
    EXPECT_EQ(Qdlbd(nullptr), 0);
}

TEST(Model, DeletingSelectedAtomsRepairsMonomers) {
    ScratchEntry s;
    Entry* e = s.entry;
    Monomer* m1 = Qnsmon(&e->monomers, e);
    Monomer* m2 = Qnsmon(&e->monomers, e);
    Atom* a[4];
    for (Atom*& x : a) x = s.atom();
    a[0]->monomer = a[1]->monomer = a[2]->monomer = m1;
    a[3]->monomer = m2;
    m1->first = a[0];
    m2->first = a[3];
    s.bond(a[0], a[1]);
    s.bond(a[1], a[2]);
    a[0]->selection = 1;
    a[3]->selection = 1;
    EXPECT_EQ(Qdlatm(e, 1), e);
    EXPECT_EQ(count_atoms(e), 2);
    // The monomer that lost its first atom starts at its last survivor.
    EXPECT_EQ(m1->first, a[2]);
    EXPECT_EQ(e->monomers.next, m1);
    EXPECT_EQ(m1->next, &e->monomers);
    EXPECT_EQ(a[1]->hcount, 5);
}

TEST(Model, DeletingEveryAtomByMaskReleasesTheEntry) {
    Entry head;
    head.type = 0;
    head.next = head.prev = &head;
    Entry* e = Qnsntr(&head);
    Qnsatm(&e->atoms)->selection = 2;
    EXPECT_EQ(Qdlatm(e, 2), nullptr);
    EXPECT_EQ(head.next, &head);
}

TEST(Model, EntryMembershipAndStateBits) {
    ScratchEntry s;
    Entry stranger;
    EXPECT_EQ(Qisntr(s.entry, &s.head), s.entry);
    EXPECT_EQ(Qisntr(&s.head, &s.head), &s.head);
    EXPECT_EQ(Qisntr(&stranger, &s.head), nullptr);
    EXPECT_EQ(Qdlntr(&stranger, &s.head), 0);
    EXPECT_EQ(Qdlntr(&s.head, &s.head), 0);
    EXPECT_EQ(Qstntr(&stranger, 2, &s.head), 1);
    s.entry->state = 8 | 1;
    EXPECT_EQ(Qstntr(s.entry, 2, &s.head), 0);
    EXPECT_EQ(s.entry->state, 8 | 2);
    EXPECT_EQ(Qcntntr(s.entry, 2, 1), 1);
    EXPECT_EQ(Qcntntr(s.entry, 4, 0), 0);
    EXPECT_EQ(Qcntntr(&s.head, 2, 0), 1);
}

TEST(Model, ExtraValuesGrowKeepAndClear) {
    ScratchEntry s;
    Atom* a = s.atom();
    EXPECT_EQ(Radat(a, 2), 2);
    a->values[0] = 5.0f;
    EXPECT_EQ(Radat(a, 4), 4);
    EXPECT_EQ(a->values[0], 5.0f);
    EXPECT_EQ(a->values[3], 0.0f);
    EXPECT_EQ(Radat(a, 3), 3);
    EXPECT_EQ(a->values[0], 5.0f);
    EXPECT_EQ(Radat(a, -3), 3);
    EXPECT_EQ(a->values[0], 0.0f);
    EXPECT_EQ(Radat(a, 0), 0);
    EXPECT_EQ(a->values, nullptr);
}

TEST(Model, CrystalDefaultsAndFractionalisation) {
    float abc[3] = {2.0f, 4.0f, 5.0f};
    Crystal* c = Qgtxtl(abc);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->cell[1], 4.0f);
    EXPECT_EQ(c->cell[3], 90.0f);
    EXPECT_EQ(c->frac[0][0], 0.5f);
    EXPECT_EQ(c->frac[2][2], 0.2f);
    EXPECT_EQ(c->frac[0][1], 0.0f);
    SymOp* op = Qnssm(&c->symops);
    EXPECT_EQ(op->rot[1][1], 1.0f);
    EXPECT_EQ(c->symops.next, op);
    ScratchEntry s;
    s.entry->crystal = c;  // released with the entry
}
