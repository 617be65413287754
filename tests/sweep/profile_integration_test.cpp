// A profile integrated from the positions' fractions: the rows in the grid's
// order, the sums over a polar angle and over the directions of a distance,
// and their jackknife errors, worked out by hand for a grid of two poles and
// an equator of four. The evaluate transcripts pin the counted values of such
// a grid; the korvi-perm transcripts the errors of positions known exactly.
#include "sweep/profile_integration.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

// Fractions with x on all walks and x with each of two blocks left out.
FractionReplicates with_free(const Replicates& x) {
    FractionReplicates f{x, {}, {}};
    for (double v : x) {
        f.touched.push_back(1.0 - v);
        f.free_energy.push_back(-std::log(v));
    }
    return f;
}

// One distance of 12, polar angles 0°, 90° and 180°, four azimuths.
std::vector<ProfileRow> integrate(const std::vector<Replicates>& free_by_position, bool weighted,
                                  ProfileRow* total) {
    GridSettings s;
    s.shift = 5.0f;
    s.radius = 3.0f;
    s.distance = 12.0f;
    s.theta_count = 3;
    s.phi_count = 4;
    ProfileIntegration integration(2, weighted);
    std::vector<ProfileRow> rows;
    std::size_t next = 0;
    SweepGrid(s).walk([&](const GridPoint& step) {
        PositionFractions f;
        f.walks = 10;
        f.counted = with_free(free_by_position[next++]);
        f.free = static_cast<int>(std::lround(10 * f.counted.free[0]));
        f.weighted = f.counted;
        integration.add(step, f, rows);
        return true;
    });
    *total = integration.total();
    return rows;
}

std::string kinds(const std::vector<ProfileRow>& rows) {
    const char* names[] = {"p", "t", "d", "T"};
    std::string text;
    for (const ProfileRow& row : rows) text += names[static_cast<int>(row.kind)];
    return text;
}

}  // namespace

TEST(ProfileIntegration, SumsEachPolarAngleAndDistanceWithJackknifeErrors) {
    // Every position: x = 0.5 on all walks, 0.4 and 0.6 with a block left out.
    const std::vector<Replicates> x(6, {0.5, 0.4, 0.6});
    ProfileRow total;
    const std::vector<ProfileRow> rows = integrate(x, false, &total);
    ASSERT_EQ(kinds(rows), "ptpppptptd");

    const ProfileRow& position = rows[0];
    EXPECT_EQ(position.free, 5);
    EXPECT_DOUBLE_EQ(position.counted.touched.value, 0.5);
    // sqrt((K - 1)/K · Σ (x_j - mean)²) = sqrt(1/2 · 0.02) = 0.1
    EXPECT_NEAR(position.counted.touched.error, 0.1, 1e-12);
    EXPECT_TRUE(std::isnan(position.counted.area.value));
    EXPECT_TRUE(std::isnan(position.weighted.touched.value));  // no weights

    // x = 0.5 in every direction: A = 4π · 0.5, its error 4π · 0.1.
    const ProfileRow& distance = rows[9];
    EXPECT_TRUE(std::isnan(distance.theta));
    EXPECT_NEAR(distance.counted.solid_angle.value, 2 * kPi, 1e-5);
    EXPECT_NEAR(distance.counted.solid_angle.error, 4 * kPi * 0.1, 1e-5);
    EXPECT_NEAR(distance.counted.free_energy.value, std::log(2.0), 1e-6);
    EXPECT_EQ(total.kind, RowKind::kTotal);
    EXPECT_NEAR(total.counted.volume.value, 2 * kPi * 144, 1e-3);  // V = dist²
}

TEST(ProfileIntegration, LeavesPositionsWithoutAFreeWalkOutOfTheirPolarAnglesSums) {
    // The first pole blocked on all walks, the equator blocked at one azimuth.
    std::vector<Replicates> x(6, {0.5, 0.5, 0.5});
    x[0] = {0.0, 0.0, 0.0};
    x[1] = {0.0, 0.0, 0.0};
    ProfileRow total;
    const std::vector<ProfileRow> rows = integrate(x, true, &total);
    EXPECT_TRUE(std::isinf(rows[0].counted.free_energy.value));
    EXPECT_TRUE(std::isinf(rows[1].counted.free_energy.value));  // no position with a result
    EXPECT_EQ(rows[1].counted.solid_angle.value, 0.0);           // counted as 0, not 1
    EXPECT_NEAR(rows[6].counted.free_energy.value, std::log(2.0), 1e-12);  // three of four
    EXPECT_NEAR(rows[6].weighted.free_energy.value, std::log(2.0), 1e-12);
    EXPECT_EQ(rows[6].counted.solid_angle.error, 0.0);
}

TEST(ProfileIntegration, OneSidedPositionsAndRowsMadeOnlyOfThemHaveNoError) {
    // The first pole untouched by every walk, the equator's positions all
    // untouched or all touched but one, the second pole at 0.5.
    std::vector<Replicates> x(6, {1.0, 1.0, 1.0});
    x[2] = {0.0, 0.0, 0.0};
    x[3] = {0.5, 0.4, 0.6};
    ProfileRow total;
    std::vector<ProfileRow> rows = integrate(x, true, &total);
    ASSERT_EQ(kinds(rows), "ptpppptptd");
    for (const ProfileRow* row : {&rows[0], &rows[3]}) {
        for (const RowEstimates& e : {row->counted, row->weighted}) {
            EXPECT_EQ(e.touched.value, row == &rows[0] ? 0.0 : 1.0);
            EXPECT_TRUE(std::isnan(e.touched.error));
            EXPECT_TRUE(std::isnan(e.free_energy.error));
        }
    }
    EXPECT_EQ(rows[1].counted.solid_angle.value, 0.0);  // the first pole's polar angle
    EXPECT_TRUE(std::isnan(rows[1].counted.solid_angle.error));
    EXPECT_TRUE(std::isnan(rows[1].weighted.free_energy.error));
    EXPECT_NEAR(rows[4].counted.touched.error, 0.1, 1e-12);
    EXPECT_GT(rows[6].counted.solid_angle.error, 0.0);  // the equator, with one told position
    EXPECT_TRUE(std::isnan(rows[8].counted.solid_angle.error));  // the second pole: x = 1
    EXPECT_GT(rows[9].counted.volume.error, 0.0);
    EXPECT_GT(total.weighted.volume.error, 0.0);

    // Without a two-sided position no row has an error.
    rows = integrate(std::vector<Replicates>(6, {1.0, 1.0, 1.0}), false, &total);
    EXPECT_EQ(rows[9].counted.volume.value, 0.0);
    EXPECT_TRUE(std::isnan(rows[9].counted.volume.error));
    EXPECT_TRUE(std::isnan(rows[9].counted.free_energy.error));
    EXPECT_TRUE(std::isnan(total.counted.volume.error));
}
