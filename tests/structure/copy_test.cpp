// Copies of atoms and entries: which fields each flag carries, and entry
// copies with their bonds, monomers, colours and place in the list.
#include "structure/model.h"

#include <gtest/gtest.h>

#include <cstring>

#include "support/entry_list.h"

TEST(Copy, EntryCopyDuplicatesAtomsBondsAndMonomersInTheNextColour) {
    EntryList list;
    Entry* e = list.add("walk");
    e->colour = -4;
    Atom* a = add_atom(e, "N1", 7, 0, 0, 0);
    Atom* b = add_atom(e, "C2", 6, 1, 0, 0);
    a->selection = 3;
    Qnsbd(&e->bonds, a, b)->order = 2;
    Monomer* m = Qnsmon(&e->monomers, e);
    std::strcpy(m->resname, "ALA");
    m->first = a;
    a->monomer = b->monomer = m;

    Entry* c = Qcpntr(e, nullptr, 0, nullptr);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->next, e);  // placed just before the source
    EXPECT_STREQ(c->name, "walk");
    EXPECT_EQ(c->colour, -5);
    Atom* ca = first_atom(c);
    EXPECT_STREQ(ca->label, "N1");
    EXPECT_EQ(ca->selection, 0);  // selection only with flag 1
    Bond* cb = c->bonds.next;
    EXPECT_EQ(cb->atom1, ca);
    EXPECT_EQ(cb->atom2, ca->next);
    EXPECT_EQ(cb->order, 2);
    EXPECT_EQ(cb->colour, 5);
    Monomer* cm = c->monomers.next;
    EXPECT_STREQ(cm->resname, "ALA");
    EXPECT_EQ(cm->first, ca);
    EXPECT_EQ(ca->monomer, cm);

    Entry* named = Qcpntr(e, &list.head, -9, "other");
    EXPECT_EQ(list.head.prev, named);
    EXPECT_STREQ(named->name, "other");
    EXPECT_EQ(named->colour, -9);
}

TEST(Copy, AtomCopyFlagsChooseTheFieldsCarried) {
    EntryList list;
    Entry* e = list.add();
    Atom* from = add_atom(e, "C7", 6, 0, 0, 0);
    from->selection = 5;
    from->user1 = 11;
    from->user2 = 12;
    from->serial = 99;
    Radat(from, 2);
    from->values[1] = 2.5f;
    Atom* to = Qnsatm(&e->atoms);
    EXPECT_EQ(Qcpatm(from, to, 1 | 8), 0);
    EXPECT_EQ(to->selection, 5);
    EXPECT_EQ(to->user1, 11);
    EXPECT_EQ(to->user2, 0);
    EXPECT_EQ(to->serial, 0);
    EXPECT_STREQ(to->label, "C7");
    ASSERT_EQ(to->nvalues, 2);
    EXPECT_EQ(to->values[1], 2.5f);

    Atom* bare = Qnsatm(&e->atoms);
    EXPECT_EQ(Qcpatm(from, bare, 4 | 16 | 32), 0);
    EXPECT_STREQ(bare->label, "");
    EXPECT_EQ(bare->nvalues, 0);
    EXPECT_EQ(bare->user2, 12);
    EXPECT_EQ(Qcpatm(nullptr, bare, 0), 1);
}
