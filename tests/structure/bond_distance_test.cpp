// Rlabd: atoms labelled with their bond distance from a start atom, and one
// distance shell returned on request.
#include "structure/model.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>
#include <vector>

#include "support/entry_list.h"

// A tree r - a, r - b, a - c, a - d, b - x with a ring bond c - x, and a lone
// atom bonded to nothing.
TEST(BondDistance, ShellsInBreadthFirstOrder) {
    EntryList list;
    Entry* e = list.add();
    Atom* atoms[7];
    for (Atom*& atom : atoms) atom = Qnsatm(&e->atoms);
    auto [r, a, b, c, d, x, lone] = atoms;
    const std::pair<Atom*, Atom*> bonds[] = {{r, a}, {r, b}, {a, c}, {a, d}, {b, x}, {c, x}};
    for (auto [p, q] : bonds) Qnsbd(&e->bonds, p, q);

    int n = -2;
    Atom** shell = Rlabd(e, r, &n);
    EXPECT_EQ(std::vector<Atom*>(shell, shell + n), (std::vector<Atom*>{c, d, x}));
    std::free(shell);

    n = 2;  // labels only
    EXPECT_EQ(Rlabd(e, r, &n), nullptr);
    EXPECT_EQ(n, 0);
    const int distances[7] = {0, 1, 1, 2, 2, 2, -1};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(atoms[i]->serial, distances[i]) << "atom " << i;
    n = -4;  // nothing at four bonds
    EXPECT_EQ(Rlabd(e, r, &n), nullptr);
    EXPECT_EQ(n, 0);
}
