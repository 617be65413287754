#include "walks/exclusion.h"

#include <gtest/gtest.h>

#include "support/lattices.h"

namespace {

const OccupancyCounts* exclude(TestLattice& lattice, TestSphere& sphere, float radius,
                               int mode = kOccupancyFreeFirst) {
    Entry* spheres[] = {sphere.entry};
    return Xltocc(lattice.entry, nullptr, 1, spheres, mode, radius);
}

// Vertices on the x axis at 4, 3, 2, 1, 0 (the origin first), joined in a chain.
void build_chain(TestLattice& lattice) {
    for (int i = 0; i < 5; ++i)
        lattice.add(4.0f - i, 0, 0, i);
    for (int i = 0; i < 4; ++i)
        lattice.join(i, i + 1);
}

} // namespace

TEST(Xltdmin, FindsTheFirstOfTheNearestAtoms) {
    TestSphere sphere(3, 0, 4);
    Atom* twin = Qnsatm(&sphere.entry->atoms);
    twin->x = 3;
    twin->z = -4;
    Atom vertex;
    Atom* slot = &vertex;
    const float* d = Xltdmin(sphere.entry, &slot);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(*d, 5.0f);
    EXPECT_EQ(slot, sphere.centre);

    // Without atoms the distance is a million and the slot keeps the vertex.
    TestLattice empty;
    slot = &vertex;
    EXPECT_EQ(*Xltdmin(empty.entry, &slot), 1000000.0f);
    EXPECT_EQ(slot, &vertex);

    EXPECT_EQ(Xltdmin(nullptr, &slot), nullptr);
    EXPECT_EQ(slot, nullptr);
    EXPECT_EQ(Xltdmin(sphere.entry, &slot), nullptr);
    EXPECT_EQ(Xltdmin(sphere.entry, nullptr), nullptr);
}

TEST(Xltocc, AVertexExactlyAtTheRadiusIsOccupied) {
    TestLattice lattice;
    build_chain(lattice);
    TestSphere sphere(0, 0, 0);
    testing::internal::CaptureStderr();
    const OccupancyCounts* counts =
        exclude(lattice, sphere, 2.0f, kOccupancyFreeFirst | kOccupancyProgress);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "3 occupied (1)\n1 direct neighbours (3.00)\n3 occupied (2)\n");
    ASSERT_NE(counts, nullptr);
    EXPECT_EQ(counts->occupied, 3);
    EXPECT_EQ(counts->first_steps, 1);
    // At 2.0 and next to the free vertex at 3: occupied; the two inside are shut in.
    const float marks[] = {0.0f, 0.0f, 3.0f, 4.0f, 4.0f};
    const int elements[] = {6, 6, 16, 16, 16};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(lattice[i]->occupancy, marks[i]) << i;
        EXPECT_EQ(lattice[i]->charge, 4.0f - i) << i;
        EXPECT_EQ(lattice[i]->element, elements[i]) << i;
    }
    // Element 16 is never reset.
    sphere.centre->x = 100;
    EXPECT_EQ(exclude(lattice, sphere, 2.0f)->occupied, 0);
    EXPECT_EQ(lattice[4]->occupancy, 0.0f);
    EXPECT_EQ(lattice[4]->element, 16);
}

TEST(Xltocc, AStartVertexInsideTheSphereIsFreedWithItsFarNeighbours) {
    TestLattice lattice;
    lattice.add(0, 0, 0, 0);
    lattice.add(1, 0, 0, 1);    // 1.5 from the centre
    lattice.add(-1, 0, 0, 1);   // 0.5: inside
    lattice.add(0, 1.6f, 0, 1); // 1.676...
    for (int i = 1; i < 4; ++i)
        lattice.join(0, i);
    TestSphere sphere(-0.5f, 0, 0);
    testing::internal::CaptureStderr();
    const OccupancyCounts* counts =
        exclude(lattice, sphere, 1.0f, kOccupancyFreeFirst | kOccupancyProgress);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "2 occupied (1)\n2 direct neighbours (1.68)\n4 occupied (2)\n");
    ASSERT_NE(counts, nullptr);
    // The start touches a free vertex; its three neighbours touch only the
    // occupied start and are shut in; the first steps are freed again.
    EXPECT_EQ(counts->occupied, 4);
    EXPECT_EQ(counts->first_steps, 2);
    const float marks[] = {0.0f, 0.0f, 4.0f, 0.0f};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(lattice[i]->occupancy, marks[i]) << i;
        EXPECT_EQ(lattice[i]->element, 16) << i;
    }
}

TEST(Xltocc, AVertexShutInEarlierNoLongerFreesTheVerticesAfterIt) {
    TestLattice lattice;
    lattice.add(10, 0, 0, 0); // the origin, without edges
    lattice.add(2, 0, 0, 1);  // free, but its only neighbour is occupied
    lattice.add(1, 0, 0, 1);
    lattice.add(0, 0, 0, 1);
    lattice.join(1, 2);
    lattice.join(2, 3);
    TestSphere sphere(0, 0, 0);
    const OccupancyCounts* counts = exclude(lattice, sphere, 1.5f);
    ASSERT_NE(counts, nullptr);
    EXPECT_EQ(counts->occupied, 4);
    EXPECT_EQ(counts->first_steps, 0);
    // The vertex at 1 would have kept 3.0 beside a free vertex at 2.
    EXPECT_EQ(lattice[1]->occupancy, 4.0f);
    EXPECT_EQ(lattice[2]->occupancy, 4.0f);
    EXPECT_EQ(lattice[3]->occupancy, 4.0f);
    EXPECT_EQ(lattice[0]->occupancy, 0.0f);
    EXPECT_EQ(lattice[0]->element, 16);
}

TEST(Xltocc, ASphereOfRadiusZeroFarAwayOccupiesNothing) {
    TestLattice lattice;
    build_cubic(lattice, 2);
    TestSphere sphere(100, 0, 0);
    testing::internal::CaptureStderr();
    const OccupancyCounts* counts = exclude(lattice, sphere, 0.0f);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    ASSERT_NE(counts, nullptr);
    EXPECT_EQ(counts->occupied, 0);
    EXPECT_EQ(counts->first_steps, 6);
    for (Atom* v : lattice.vertices) {
        EXPECT_EQ(v->occupancy, 0.0f);
        EXPECT_EQ(v->element, 6);
    }
    EXPECT_EQ(lattice[0]->charge, 100.0f);
}

TEST(Xltocc, ASphereWithoutAtomsPutsEveryVertexAMillionAway) {
    TestLattice lattice;
    build_chain(lattice);
    TestLattice no_atoms;
    Entry* spheres[] = {no_atoms.entry};
    ASSERT_NE(Xltocc(lattice.entry, nullptr, 1, spheres, kOccupancyFreeFirst, 5.0f), nullptr);
    for (Atom* v : lattice.vertices) {
        EXPECT_EQ(v->charge, 1000000.0f);
        EXPECT_EQ(v->occupancy, 0.0f);
    }
}

TEST(Xltocc, TheNearestOfSeveralSpheresCounts) {
    TestLattice lattice;
    build_chain(lattice);
    TestSphere near(4, 0, 1);
    TestSphere far(4, 0, 3);
    Entry* spheres[] = {far.entry, nullptr, near.entry};
    ASSERT_NE(Xltocc(lattice.entry, nullptr, 3, spheres, kOccupancyFreeFirst, 0.5f), nullptr);
    EXPECT_EQ(lattice[0]->charge, 1.0f);
}

TEST(Xltocc, NoResultForAnEntryThatIsNotALatticeOrWithoutSpheres) {
    TestLattice lattice;
    build_chain(lattice);
    lattice.entry->type = kTypeLattice | 1;
    TestSphere sphere(0, 0, 0);
    EXPECT_EQ(exclude(lattice, sphere, 2.0f), nullptr);
    EXPECT_EQ(lattice[0]->occupancy, 1.0f);

    // Without spheres the marks and distances are reset all the same.
    lattice.entry->type = kTypeLattice;
    lattice[2]->charge = 7.0f;
    EXPECT_EQ(Xltocc(lattice.entry, nullptr, 0, nullptr, kOccupancyFreeFirst, 2.0f), nullptr);
    for (Atom* v : lattice.vertices) {
        EXPECT_EQ(v->occupancy, 0.0f);
        EXPECT_EQ(v->charge, 0.0f);
    }
}
