// Walk conversion: records to bonded walk entries on the lattice, and walk
// entries back to records.
#include "walks/conversion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <sstream>
#include <string>

#include "support/lattices.h"
#include "walks/walk_record.h"

namespace {

using Record = std::unique_ptr<WalkRecord, decltype([](WalkRecord* p) { std::free(p); })>;

// A walk record "wlk3" along the given vertex numbers, parameters 0.
Record record_of(std::initializer_list<int> numbers) {
    Record walk(Xnslwk(static_cast<int>(numbers.size())));
    std::strcpy(walk->name, "wlk3");
    walk->nvertices = static_cast<int>(numbers.size());
    std::copy(numbers.begin(), numbers.end(), walk->numbers);
    return walk;
}

// A record as "name: number/element ... [parameters]".
std::string describe(const WalkRecord& walk) {
    std::ostringstream text;
    text << walk.name << ":";
    for (int i = 0; i < walk.nvertices; ++i)
        text << " " << walk.numbers[i] << "/" << walk.elements[i];
    text << " [" << walk.params[0] << " " << walk.params[1] << " " << walk.params[2] << "]";
    return text.str();
}

// Walks on the 27 vertices of a small cubic lattice. The conversions build
// their own vertex table; the runs pass theirs.
struct ConversionLattice : testing::Test {
    ConversionLattice() { build_cubic(lattice, 1); }
    TestLattice lattice;
};

}  // namespace

TEST_F(ConversionLattice, RecordsBecomeBondedChainsOnTheirVerticesAndConvertBack) {
    Record walk = record_of({1, 2, 4, 9});
    walk->elements[2] = 8;
    Entry* entry = Xlwkntr(walk.get(), lattice.entry, nullptr, 0);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->next, lattice.entry);  // placed just before the lattice
    // Labels, positions, hydrogens and bonds show in the transcripts' .mab
    // files; the elements and vertex numbers come back, the parameters are
    // not carried into the entry's charges.
    Record back(Xmablwk(entry));
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(describe(*back), "wlk3: 1/6 2/6 4/8 9/6 [0 0 0]");
    Qdlntr(entry, nullptr);

    // One vertex: one atom without bonds.
    entry = Xlwkntr(record_of({1}).get(), lattice.entry, nullptr, 0);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->atoms.prev, first_atom(entry));
    EXPECT_EQ(first_atom(entry)->hcount, 4);
    EXPECT_EQ(entry->bonds.next, &entry->bonds);
    Qdlntr(entry, nullptr);
}

TEST_F(ConversionLattice, AVertexOutsideTheLatticeIsRefusedWithoutLeavingAnEntry) {
    Entry* before = lattice.entry->prev;
    testing::internal::CaptureStderr();
    EXPECT_EQ(Xlwkntr(record_of({1, 2, 28}).get(), lattice.entry, nullptr, 0), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Walk wlk3: vertex number 28 outside the lattice (1 to 27)!\n");
    EXPECT_EQ(lattice.entry->prev, before);
}

TEST(Xmablwk, TheChargesOfTheFirstAtomsAreTheParametersAndNoAtomsGiveNoRecord) {
    TestLattice entry;  // a walk entry of two atoms
    entry.add(0, 0, 0, 0)->charge = 1.5f;
    entry.add(0, 0, 0, 0)->charge = 2.5f;
    entry[1]->selection = 7;
    Record walk(Xmablwk(entry.entry));
    ASSERT_NE(walk, nullptr);
    EXPECT_EQ(describe(*walk), ": 0/6 7/6 [1.5 2.5 0]");
    TestLattice empty;
    EXPECT_EQ(Xmablwk(empty.entry), nullptr);
    EXPECT_EQ(Xmablwk(nullptr), nullptr);
}
