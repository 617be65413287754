#include "walks/conversion.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "lattice/enumeration.h"
#include "support/lattices.h"
#include "walks/walk_record.h"

namespace {

// A walk record along the given vertex numbers, parameters 0.
WalkRecord* record_of(std::initializer_list<int> numbers) {
    WalkRecord* walk = Xnslwk(static_cast<int>(numbers.size()));
    std::strcpy(walk->name, "wlk3");
    walk->nvertices = static_cast<int>(numbers.size());
    int i = 0;
    for (int number : numbers) walk->numbers[i++] = number;
    return walk;
}

struct ConversionLattice : testing::Test {
    void SetUp() override {
        build_cubic(lattice, 1);
        int count = 1;
        table = Xltwnum(lattice.entry, &count, nullptr);
        n = count;
    }
    void TearDown() override { std::free(table); }
    TestLattice lattice;
    Atom** table = nullptr;
    int n = 0;
};

}  // namespace

TEST_F(ConversionLattice, ARecordBecomesABondedChainOnItsVerticesAndBack) {
    WalkRecord* walk = record_of({1, 2, 4, 9});
    walk->elements[2] = 8;
    Entry* entry = Xlwkntr(walk, lattice.entry, table, n);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->next, lattice.entry);  // placed just before the lattice
    EXPECT_STREQ(entry->name, "wlk3");
    const int hcounts[] = {3, 2, 2, 3};
    int i = 0;
    for (Atom* a = first_atom(entry); !atom_end(entry, a); a = a->next, ++i) {
        EXPECT_EQ(a->label, std::to_string(i + 1));
        EXPECT_EQ(a->selection, walk->numbers[i]);
        EXPECT_EQ(a->element, walk->elements[i]);
        EXPECT_EQ(a->hcount, hcounts[i]);
        EXPECT_EQ(a->x, table[walk->numbers[i] - 1]->x);
        EXPECT_EQ(a->charge, 0.0f);
        EXPECT_EQ(bond_count(a), i == 0 || i == 3 ? 1 : 2);
    }
    EXPECT_EQ(i, 4);

    WalkRecord* back = Xmablwk(entry);
    ASSERT_NE(back, nullptr);
    EXPECT_STREQ(back->name, "wlk3");
    ASSERT_EQ(back->nvertices, 4);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(back->numbers[k], walk->numbers[k]);
        EXPECT_EQ(back->elements[k], walk->elements[k]);
        EXPECT_EQ(back->vertices[k], nullptr);
    }
    for (float param : back->params) EXPECT_EQ(param, 0.0f);
    std::free(back);
    std::free(walk);
    Qdlntr(entry, nullptr);
}

TEST_F(ConversionLattice, OneVertexIsOneAtomWithoutBonds) {
    WalkRecord* walk = record_of({1});
    Entry* entry = Xlwkntr(walk, lattice.entry, nullptr, 0);  // builds its own table
    ASSERT_NE(entry, nullptr);
    Atom* a = first_atom(entry);
    EXPECT_EQ(a->hcount, 4);
    EXPECT_TRUE(atom_end(entry, a->next));
    EXPECT_EQ(entry->bonds.next, &entry->bonds);
    std::free(walk);
    Qdlntr(entry, nullptr);
}

TEST_F(ConversionLattice, AVertexOutsideTheLatticeIsRefused) {
    WalkRecord* walk = record_of({1, 2, n + 1});
    Entry* before = lattice.entry->prev;
    testing::internal::CaptureStderr();
    EXPECT_EQ(Xlwkntr(walk, lattice.entry, table, n), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Walk wlk3: vertex number 28 outside the lattice (1 to 27)!\n");
    EXPECT_EQ(lattice.entry->prev, before);
    std::free(walk);
}

TEST(WalkEntry, ChargesOfTheFirstAtomsAreTheParameters) {
    Entry* entry = Qnsntr(nullptr);
    Qnsatm(&entry->atoms)->charge = 1.5f;
    Atom* second = Qnsatm(&entry->atoms);
    second->charge = 2.5f;
    second->selection = 7;
    WalkRecord* walk = Xmablwk(entry);
    ASSERT_NE(walk, nullptr);
    EXPECT_EQ(walk->params[0], 1.5f);
    EXPECT_EQ(walk->params[1], 2.5f);
    EXPECT_EQ(walk->params[2], 0.0f);
    EXPECT_EQ(walk->numbers[1], 7);
    std::free(walk);
    Qdlntr(entry, nullptr);

    Entry* empty = Qnsntr(nullptr);
    EXPECT_EQ(Xmablwk(empty), nullptr);
    EXPECT_EQ(Xmablwk(nullptr), nullptr);
    Qdlntr(empty, nullptr);
}
