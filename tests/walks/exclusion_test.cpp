// Sphere exclusion: the marks, distances, elements and counts it leaves on
// small hand-made lattices.
#include "walks/exclusion.h"

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <sstream>
#include <string>
#include <utility>

#include "support/lattices.h"

namespace {

// Vertices at the points (the first with shell 0) joined by the edges.
void build(TestLattice& lattice, std::initializer_list<std::array<float, 3>> points,
           std::initializer_list<std::pair<int, int>> edges) {
    for (const auto& p : points) lattice.add(p[0], p[1], p[2], lattice.size() ? 1 : 0);
    for (const auto& [a, b] : edges) lattice.join(a, b);
}

// Excludes a sphere at (x, 0, 0) with progress lines. Returns the lines, the
// two counts and each vertex's mark/element in list order.
std::string exclude(TestLattice& lattice, float x, float radius) {
    TestSphere sphere(x, 0, 0);
    testing::internal::CaptureStderr();
    const OccupancyCounts* counts = Xltocc(lattice.entry, nullptr, 1, &sphere.entry,
                                           kOccupancyFreeFirst | kOccupancyProgress, radius);
    std::ostringstream text;
    text << testing::internal::GetCapturedStderr() << "counts " << counts->occupied << " "
         << counts->first_steps << "\n";
    for (const Atom* v : lattice.vertices) text << v->occupancy << "/" << v->element << " ";
    return text.str();
}

}  // namespace

TEST(Xltdmin, FindsTheFirstOfTheNearestAtomsOrNothingWithoutEntryOrVertex) {
    TestSphere sphere(3, 0, 4);
    Atom* twin = Qnsatm(&sphere.entry->atoms);
    twin->x = 3;
    twin->z = -4;
    Atom vertex;
    Atom* slot = &vertex;
    EXPECT_EQ(*Xltdmin(sphere.entry, &slot), 5.0f);
    EXPECT_EQ(slot, sphere.centre);
    EXPECT_EQ(Xltdmin(nullptr, &slot), nullptr);
    EXPECT_EQ(slot, nullptr);
    EXPECT_EQ(Xltdmin(sphere.entry, &slot), nullptr);
    EXPECT_EQ(Xltdmin(sphere.entry, nullptr), nullptr);
}

TEST(Xltocc, AVertexExactlyAtTheRadiusNextToAFreeOneIsOccupiedAndElement16IsNeverReset) {
    // A chain towards the sphere: the vertex at 2 keeps 3.0 beside the free
    // one at 3; the two inside are shut in.
    TestLattice lattice;
    build(lattice, {{4, 0, 0}, {3, 0, 0}, {2, 0, 0}, {1, 0, 0}, {0, 0, 0}},
          {{0, 1}, {1, 2}, {2, 3}, {3, 4}});
    EXPECT_EQ(exclude(lattice, 0, 2.0f),
              "3 occupied (1)\n1 direct neighbours (3.00)\n3 occupied (2)\n"
              "counts 3 1\n0/6 0/6 3/16 4/16 4/16 ");
    EXPECT_EQ(lattice[1]->charge, 3.0f);
    // A sphere of radius 0 far away occupies nothing; element 16 stays.
    EXPECT_EQ(exclude(lattice, 1000, 0.0f),
              "0 occupied (1)\n1 direct neighbours (997.00)\n0 occupied (2)\n"
              "counts 0 1\n0/6 0/6 0/16 0/16 0/16 ");
}

TEST(Xltocc, AStartVertexInsideTheSphereIsFreedWithItsFarNeighbours) {
    // The start touches a free vertex; its neighbours touch only the occupied
    // start and are shut in; the first steps are freed again.
    TestLattice lattice;
    build(lattice, {{0, 0, 0}, {1, 0, 0}, {-1, 0, 0}, {0, 1.6f, 0}}, {{0, 1}, {0, 2}, {0, 3}});
    EXPECT_EQ(exclude(lattice, -0.5f, 1.0f),
              "2 occupied (1)\n2 direct neighbours (1.68)\n4 occupied (2)\n"
              "counts 4 2\n0/16 0/16 4/16 0/16 ");
}

TEST(Xltocc, AVertexShutInEarlierNoLongerFreesTheVerticesAfterIt) {
    // The vertex at 1 would have kept 3.0 beside a free vertex at 2; the
    // start has no edges.
    TestLattice lattice;
    build(lattice, {{10, 0, 0}, {2, 0, 0}, {1, 0, 0}, {0, 0, 0}}, {{1, 2}, {2, 3}});
    EXPECT_EQ(exclude(lattice, 0, 1.5f),
              "2 occupied (1)\n0 direct neighbours (0.00)\n4 occupied (2)\n"
              "counts 4 0\n0/16 4/16 4/16 4/16 ");
}

TEST(Xltocc, DistancesGoToTheNearestSphereAtomAMillionWithoutAtomsAndZeroWithoutSpheres) {
    TestLattice lattice, no_atoms;
    build_cubic(lattice, 1);
    TestSphere near(0, 0, 1), far(0, 0, 3);
    Entry* spheres[] = {far.entry, nullptr, near.entry};
    ASSERT_NE(Xltocc(lattice.entry, nullptr, 3, spheres, kOccupancyFreeFirst, 0.5f), nullptr);
    EXPECT_EQ(lattice[0]->charge, 1.0f);
    ASSERT_NE(Xltocc(lattice.entry, nullptr, 1, &no_atoms.entry, kOccupancyFreeFirst, 5.0f),
              nullptr);
    EXPECT_EQ(lattice[26]->charge, 1000000.0f);
    // Without spheres there is no result, after every mark and distance was reset.
    lattice[1]->occupancy = 3.0f;
    EXPECT_EQ(Xltocc(lattice.entry, nullptr, 0, nullptr, kOccupancyFreeFirst, 2.0f), nullptr);
    EXPECT_EQ(lattice[1]->occupancy, 0.0f);
    EXPECT_EQ(lattice[26]->charge, 0.0f);
    // Nor for an entry that is not exactly a lattice, which stays as it was.
    lattice.entry->type = kTypeLattice | 1;
    lattice[1]->occupancy = 3.0f;
    EXPECT_EQ(Xltocc(lattice.entry, nullptr, 3, spheres, kOccupancyFreeFirst, 2.0f), nullptr);
    EXPECT_EQ(lattice[1]->occupancy, 3.0f);
}
