#include "structure/model.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

Entry* make_list(Entry& head) {
    head.type = 0;
    head.next = head.prev = &head;
    return &head;
}

}  // namespace

TEST(Copy, EntryCopyDuplicatesAtomsBondsAndMonomers) {
    Entry head;
    make_list(head);
    Entry* e = Qnsntr(&head);
    std::strcpy(e->name, "walk");
    e->colour = -4;
    Atom* a = Qnsatm(&e->atoms);
    Atom* b = Qnsatm(&e->atoms);
    std::strcpy(a->label, "N1");
    a->charge = 0.5f;
    a->selection = 3;
    Qnsbd(&e->bonds, a, b)->order = 2;
    Monomer* m = Qnsmon(&e->monomers, e);
    std::strcpy(m->resname, "ALA");
    m->resnum = 7;
    m->first = a;
    a->monomer = b->monomer = m;

    Entry* c = Qcpntr(e, nullptr, 0, nullptr);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->next, e);  // placed just before the source
    EXPECT_STREQ(c->name, "walk");
    EXPECT_EQ(c->colour, -5);
    Atom* ca = first_atom(c);
    EXPECT_STREQ(ca->label, "N1");
    EXPECT_EQ(ca->charge, 0.5f);
    EXPECT_EQ(ca->selection, 0);  // selection only with flag 1
    Bond* cb = c->bonds.next;
    EXPECT_EQ(cb->atom1, ca);
    EXPECT_EQ(cb->atom2, ca->next);
    EXPECT_EQ(cb->order, 2);
    EXPECT_EQ(cb->colour, 5);
    Monomer* cm = c->monomers.next;
    EXPECT_NE(cm, m);
    EXPECT_STREQ(cm->resname, "ALA");
    EXPECT_EQ(cm->resnum, 7);
    EXPECT_EQ(cm->first, ca);
    EXPECT_EQ(ca->monomer, cm);
    EXPECT_EQ(ca->next->monomer, cm);

    Entry* named = Qcpntr(e, &head, -9, "other");
    EXPECT_EQ(head.prev, named);
    EXPECT_STREQ(named->name, "other");
    EXPECT_EQ(named->colour, -9);
    EXPECT_EQ(Qcntntr(&head, 0, 0), 3);
    Qdlntr(named, &head);
    Qdlntr(c, &head);
    Qdlntr(e, &head);
    EXPECT_EQ(head.next, &head);
}

TEST(Copy, AtomCopyFlags) {
    Entry head;
    make_list(head);
    Entry* e = Qnsntr(&head);
    Atom* from = Qnsatm(&e->atoms);
    Atom* to = Qnsatm(&e->atoms);
    std::strcpy(from->label, "C7");
    from->selection = 5;
    from->display = 16;
    from->user1 = 11;
    from->user2 = 12;
    from->serial = 99;
    Radat(from, 2);
    from->values[1] = 2.5f;
    EXPECT_EQ(Qcpatm(from, to, 1 | 2 | 8), 0);
    EXPECT_EQ(to->selection, 5);
    EXPECT_EQ(to->display, 16);
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
    Qdlntr(e, &head);
}
