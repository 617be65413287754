// How far walks reach on a path whose vertices are entered one after the other.
#include "perm/walk_reach.h"

#include <gtest/gtest.h>

#include "support/hand_lattices.h"

TEST(WalkReach, AVertexIsReachedByWalksOfAtLeastItsDistanceInSteps) {
    // Vertices 0 (the origin) ... 5; the last has one edge and cannot be entered.
    PathLattice path({0, 1, 2, 3, 4, 5});
    const SamplingLattice lattice(path.prepared);
    const WalkReach reach(lattice);
    const std::int32_t third[] = {3};
    EXPECT_TRUE(reach.reaches(third, 3));
    EXPECT_TRUE(reach.reaches(third, 10));
    EXPECT_FALSE(reach.reaches(third, 2));
    const std::int32_t origin_and_end[] = {0, 5};
    EXPECT_FALSE(reach.reaches(origin_and_end, 10)) << "the origin is never visited again, "
                                                       "and the end cannot be entered";
    const std::int32_t some[] = {5, 4, 1};
    EXPECT_TRUE(reach.reaches(some, 1));
    EXPECT_FALSE(reach.reaches({}, 10));
}

TEST(WalkReach, ObstaclesThatLeaveFewerVerticesThanStepsCloseTheWalksOff) {
    // Vertices 1 ... 5 can be entered, 6 cannot.
    PathLattice path({0, 1, 2, 3, 4, 5, 6});
    const SamplingLattice lattice(path.prepared);
    WalkReach reach(lattice);
    EXPECT_FALSE(reach.closes_off({}, 5));
    EXPECT_TRUE(reach.closes_off({}, 6));
    const std::int32_t third[] = {3};
    for (int repeat = 0; repeat < 2; ++repeat) {  // the scratch marks are cleared
        EXPECT_TRUE(reach.closes_off(third, 3));
        EXPECT_FALSE(reach.closes_off(third, 2));
    }
    const std::int32_t origin[] = {0};
    EXPECT_FALSE(reach.closes_off(origin, 5)) << "walks start on the origin whatever marks it";
}
