#include "lattice/directions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "structure/model.h"

namespace {

// Builds the table of a lattice type for a first direction d.
void build(DirectionTable t, int type, double dx, double dy, double dz, float b) {
    ASSERT_TRUE(set_generation_type(type));
    t[0][0] = dx;
    t[0][1] = dy;
    t[0][2] = dz;
    Xltvec(t, b);
}

void expect_row(const DirectionTable t, int k, double x, double y, double z) {
    EXPECT_NEAR(t[k][0], x, 1e-12) << "row " << k;
    EXPECT_NEAR(t[k][1], y, 1e-12) << "row " << k;
    EXPECT_NEAR(t[k][2], z, 1e-12) << "row " << k;
}

double dot(const double* a, const double* b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

// An entry in its own list with atoms placed by hand.
struct Scratch {
    Entry head;
    Entry* entry;
    Scratch() {
        head.type = 0;
        head.next = head.prev = &head;
        entry = Qnsntr(&head);
    }
    ~Scratch() { Qdlntr(entry, &head); }
    Atom* at(const char* label, double x, double y, double z) {
        Atom* a = Qnsatm(&entry->atoms);
        std::snprintf(a->label, sizeof a->label, "%s", label);
        a->x = static_cast<float>(x);
        a->y = static_cast<float>(y);
        a->z = static_cast<float>(z);
        return a;
    }
    void bond(Atom* a, Atom* b) { Qnsbd(&entry->bonds, a, b); }
};

}  // namespace

TEST(DirectionTable, DiamondRowsForTheDriversFirstDirection) {
    DirectionTable t;
    build(t, kDiamond, 1.0, 0.0, 0.0, 1.0f);
    // Frame w = +z, u = -y.
    expect_row(t, 0, 1.0, 0.0, 0.0);
    expect_row(t, 1, -1.0 / 3.0, 0.0, 0.9428090415820635);
    expect_row(t, 2, -1.0 / 3.0, -0.47140452079103173 * 1.7320508075688772, -0.47140452079103173);
    expect_row(t, 3, -1.0 / 3.0, 0.47140452079103173 * 1.7320508075688772, -0.47140452079103173);
    for (int i = 0; i < 4; ++i) {
        for (int j = i + 1; j < 4; ++j) EXPECT_NEAR(dot(t[i], t[j]), -1.0 / 3.0, 1e-12);
    }
}

TEST(DirectionTable, CubicRowsInTheirFixedOrder) {
    DirectionTable t;
    build(t, kSimpleCubic, 2.0, 0.0, 0.0, 1.5f);
    expect_row(t, 0, 1.5, 0.0, 0.0);
    expect_row(t, 1, 0.0, 0.0, 1.5);
    expect_row(t, 2, 0.0, -1.5, 0.0);
    expect_row(t, 3, 0.0, 0.0, -1.5);
    expect_row(t, 4, 0.0, 1.5, 0.0);
    expect_row(t, 5, -1.5, 0.0, 0.0);

    DirectionTable diamond;
    build(diamond, kDiamond, 1.0, 0.0, 0.0, 1.0f);
    build(t, kBodyCentredCubic, 1.0, 0.0, 0.0, 1.0f);
    expect_row(t, 0, 1.0, 0.0, 0.0);
    for (int k = 1; k <= 3; ++k) {
        expect_row(t, k, -diamond[k][0], -diamond[k][1], -diamond[k][2]);
        expect_row(t, k + 3, diamond[k][0], diamond[k][1], diamond[k][2]);
    }
    expect_row(t, 7, -1.0, 0.0, 0.0);
}

TEST(DirectionTable, FaceCentredCubicLeavesOutTheFirstDirection) {
    DirectionTable t;
    build(t, kFaceCentredCubic, 1.0, 0.0, 0.0, 1.0f);
    const double r = 1.0 / std::sqrt(2.0);
    // d - w, d - u, d + w, d + u, w - u, w + u, u - w, -u - w, w - d, u - d, -d - w, -d - u
    const double rows[12][3] = {{r, 0, -r}, {r, r, 0},  {r, 0, r},   {r, -r, 0},
                                {0, r, r},  {0, -r, r}, {0, -r, -r}, {0, r, -r},
                                {-r, 0, r}, {-r, -r, 0}, {-r, 0, -r}, {-r, r, 0}};
    for (int k = 0; k < 12; ++k) expect_row(t, k, rows[k][0], rows[k][1], rows[k][2]);
}

TEST(DirectionTable, DegenerateFirstDirections) {
    DirectionTable t;
    build(t, kSimpleCubic, 0.0, 0.0, 0.0, 1.0f);  // no length: +x
    expect_row(t, 0, 1.0, 0.0, 0.0);
    expect_row(t, 1, 0.0, 0.0, 1.0);

    // Along the auxiliary vector (0, 1, 0): it is tilted to (0, 1, 0.2),
    // which makes w = +x and u = -z.
    build(t, kSimpleCubic, 0.0, 3.0, 0.0, 1.0f);
    expect_row(t, 0, 0.0, 1.0, 0.0);
    expect_row(t, 1, 1.0, 0.0, 0.0);
    expect_row(t, 2, 0.0, 0.0, -1.0);
}

TEST(FreeDirections, OriginAndFirstNeighbourOfDiamondUseOppositeSigns) {
    DirectionTable t;
    build(t, kDiamond, 1.0, 0.0, 0.0, 1.5f);
    Scratch s;
    Atom* origin = s.at("0", 0, 0, 0);
    Atom* first = s.at("1", t[0][0], t[0][1], t[0][2]);
    s.bond(origin, first);
    int free[kMaxDirections];
    EXPECT_EQ(Xltfre(origin, t, free), 1);
    EXPECT_EQ(free[0], 0);
    EXPECT_EQ(free[1], 1);
    EXPECT_EQ(free[2], 1);
    EXPECT_EQ(free[3], 1);
    EXPECT_EQ(Xltfre(first, t, free), 1);
    EXPECT_EQ(free[0], 0);
    EXPECT_EQ(free[1], -1);
    EXPECT_EQ(free[2], -1);
    EXPECT_EQ(free[3], -1);
}

TEST(FreeDirections, CubicLatticesKeepThePlusSign) {
    DirectionTable t;
    build(t, kSimpleCubic, 1.0, 0.0, 0.0, 1.5f);
    Scratch s;
    Atom* v = s.at("2", 0, 0, 0);
    s.bond(v, s.at("3", -1.5, 0, 0));  // -d = row 5
    s.bond(v, s.at("3", 0, 0, 1.5));   // w = row 1
    int free[kMaxDirections];
    EXPECT_EQ(Xltfre(v, t, free), 2);
    const int expected[6] = {1, 0, 1, 1, 1, 0};
    for (int k = 0; k < 6; ++k) EXPECT_EQ(free[k], expected[k]) << "row " << k;
}

TEST(FreeDirections, MismatchedEdgesAreReportedOnStdout) {
    DirectionTable t;
    build(t, kDiamond, 1.0, 0.0, 0.0, 1.5f);
    Scratch s;
    Atom* v = s.at("7", 0, 0, 0);
    s.bond(v, s.at("8", 1.5, 0, 0));                   // +D_0
    s.bond(v, s.at("8", -t[1][0], -t[1][1], -t[1][2]));  // -D_1
    s.bond(v, s.at("8", 0, 1.5, 0));                   // no direction
    int free[kMaxDirections];
    testing::internal::CaptureStdout();
    EXPECT_EQ(Xltfre(v, t, free), 3);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "7: sign error!\n7: ligand error!\n");
    // The first edge fixed the sign: the free directions are used with +.
    EXPECT_EQ(free[0], 0);
    EXPECT_EQ(free[1], 0);
    EXPECT_EQ(free[2], 1);
    EXPECT_EQ(free[3], 1);
}

TEST(FreeDirections, ScanningStopsAtTheCoordination) {
    DirectionTable t;
    build(t, kDiamond, 1.0, 0.0, 0.0, 1.5f);
    Scratch s;
    Atom* v = s.at("5", 0, 0, 0);
    for (int k = 0; k < 4; ++k) s.bond(v, s.at("6", t[k][0], t[k][1], t[k][2]));
    s.bond(v, s.at("6", 0, 9, 0));  // a fifth edge is never looked at
    int free[kMaxDirections];
    testing::internal::CaptureStdout();
    EXPECT_EQ(Xltfre(v, t, free), 4);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}
