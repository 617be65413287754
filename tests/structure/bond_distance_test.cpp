#include "structure/model.h"

#include <gtest/gtest.h>

#include <cstdlib>

// A small tree: r - a, r - b, a - c, a - d, b - e, and a ring bond c - e.
TEST(BondDistance, ShellsInBreadthFirstOrder) {
    Entry head;
    head.type = 0;
    head.next = head.prev = &head;
    Entry* e = Qnsntr(&head);
    Atom* r = Qnsatm(&e->atoms);
    Atom* a = Qnsatm(&e->atoms);
    Atom* b = Qnsatm(&e->atoms);
    Atom* c = Qnsatm(&e->atoms);
    Atom* d = Qnsatm(&e->atoms);
    Atom* x = Qnsatm(&e->atoms);
    Atom* far = Qnsatm(&e->atoms);
    Qnsbd(&e->bonds, r, a);
    Qnsbd(&e->bonds, r, b);
    Qnsbd(&e->bonds, a, c);
    Qnsbd(&e->bonds, a, d);
    Qnsbd(&e->bonds, b, x);
    Qnsbd(&e->bonds, c, x);

    int n = -2;
    Atom** shell = Rlabd(e, r, &n);
    ASSERT_NE(shell, nullptr);
    ASSERT_EQ(n, 3);
    EXPECT_EQ(shell[0], c);
    EXPECT_EQ(shell[1], d);
    EXPECT_EQ(shell[2], x);
    std::free(shell);
    EXPECT_EQ(far->serial, -1);

    n = 2;  // labels only
    EXPECT_EQ(Rlabd(e, r, &n), nullptr);
    EXPECT_EQ(n, 0);
    EXPECT_EQ(x->serial, 2);
    EXPECT_EQ(a->serial, 1);
    EXPECT_EQ(r->serial, 0);

    n = -4;  // nothing at four bonds
    EXPECT_EQ(Rlabd(e, r, &n), nullptr);
    EXPECT_EQ(n, 0);
    Qdlntr(e, &head);
}
