#include "structure/hydrogens.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "structure/model.h"

namespace {

// A molecule in its own list, atoms placed by hand (Å).
struct Molecule {
    Entry head;
    Entry* entry;
    Molecule() {
        head.type = 0;
        head.next = head.prev = &head;
        entry = Qnsntr(&head);
    }
    ~Molecule() { Qdlntr(entry, &head); }
    Atom* atom(int element, double x, double y, double z = 0.0) {
        Atom* a = Qnsatm(&entry->atoms);
        a->element = element;
        a->x = static_cast<float>(x);
        a->y = static_cast<float>(y);
        a->z = static_cast<float>(z);
        a->hcount = 9;  // overwritten by Igtnh
        return a;
    }
    void bond(Atom* a, Atom* b) { Qnsbd(&entry->bonds, a, b); }
};

constexpr int H = 1, C = 6, N = 7, O = 8;
const double kPi = std::acos(-1.0);

// Point at distance d from (x, y) in direction `degrees` in the xy plane.
double px(const Atom* a, double d, double degrees) { return a->x + d * std::cos(degrees * kPi / 180); }
double py(const Atom* a, double d, double degrees) { return a->y + d * std::sin(degrees * kPi / 180); }

}  // namespace

// Single bond length C-C = 2 x 0.766 = 1.532 Å. Free valence h = 4 - 1 = 3;
// the bond is not shortened (x = 0), so both carbons keep 3.
TEST(Hydrogens, EthaneCarbonsGetThreeEach) {
    Molecule m;
    Atom* a = m.atom(C, 0, 0);
    Atom* b = m.atom(C, 1.532, 0);
    m.bond(a, b);
    EXPECT_EQ(Igtnh(m.entry), 6);
    EXPECT_EQ(a->hcount, 3);
    EXPECT_EQ(b->hcount, 3);
    EXPECT_EQ(a->work, 1);
    EXPECT_EQ(a->serial, 0);
}

// C=C 1.33 Å: x = (1 - 1.33/1.532) / 0.13 = 1.01, one hydrogen fewer.
// C#C 1.20 Å: x = (1 - 1.20/1.532) / 0.13 = 1.67, two fewer.
TEST(Hydrogens, ShortBondsRemoveHydrogens) {
    Molecule ethene;
    Atom* a = ethene.atom(C, 0, 0);
    Atom* b = ethene.atom(C, 1.33, 0);
    ethene.bond(a, b);
    EXPECT_EQ(Igtnh(ethene.entry), 4);
    EXPECT_EQ(a->hcount, 2);

    Molecule ethyne;
    a = ethyne.atom(C, 0, 0);
    b = ethyne.atom(C, 1.20, 0);
    ethyne.bond(a, b);
    EXPECT_EQ(Igtnh(ethyne.entry), 2);
    EXPECT_EQ(b->hcount, 1);
}

// Regular hexagon of side 1.39 Å: per carbon h = 2, x = (2 - 2 * 1.39/1.532)
// / 0.13 / 1.5 = 0.95, so one hydrogen each.
TEST(Hydrogens, BenzeneRingCarbonsGetOneEach) {
    Molecule m;
    std::vector<Atom*> ring;
    for (int k = 0; k < 6; ++k) {
        ring.push_back(m.atom(C, 1.39 * std::cos(k * kPi / 3), 1.39 * std::sin(k * kPi / 3)));
    }
    for (int k = 0; k < 6; ++k) m.bond(ring[k], ring[(k + 1) % 6]);
    EXPECT_EQ(Igtnh(m.entry), 6);
    for (Atom* a : ring) EXPECT_EQ(a->hcount, 1);
}

// Explicit hydrogens take valences and get 0 themselves; an isolated
// hydrogen too.
TEST(Hydrogens, ExplicitHydrogensFillTheValence) {
    Molecule m;
    Atom* c = m.atom(C, 0, 0);
    for (int k = 0; k < 4; ++k) m.bond(c, m.atom(H, 1.09 * std::cos(k * kPi / 2), 1.09 * std::sin(k * kPi / 2)));
    Atom* lone = m.atom(H, 5, 5);
    EXPECT_EQ(Igtnh(m.entry), 0);
    EXPECT_EQ(c->hcount, 0);
    EXPECT_EQ(lone->hcount, 0);
    EXPECT_EQ(c->work, 4);
}

// Amine C-N 1.47 Å (single length 0.766 + 0.71 = 1.476): for the nitrogen
// x = 1.5 * (1 - 1.47/1.476) / 0.13 = 0.05 < 0.5 with one neighbour, so
// h = 3 - 1 + 1. Nitrile N#C 1.16 Å: x = 1.5 * (1 - 1.16/1.476) / 0.13 = 2.47,
// so h = 2 - 2.
TEST(Hydrogens, NitrogenWithOneNeighbour) {
    Molecule amine;
    Atom* c = amine.atom(C, 0, 0);
    Atom* n = amine.atom(N, 1.47, 0);
    amine.bond(c, n);
    Igtnh(amine.entry);
    EXPECT_EQ(n->hcount, 3);
    EXPECT_EQ(c->hcount, 3);

    Molecule nitrile;
    c = nitrile.atom(C, 0, 0);
    n = nitrile.atom(N, 1.16, 0);
    nitrile.bond(c, n);
    Igtnh(nitrile.entry);
    EXPECT_EQ(n->hcount, 0);
}

// A carbon with three single bonds (x = 0): tetrahedral (p = 0.77) keeps its
// hydrogen, a slightly pyramidal one (0 < |p| <= 0.3) loses it, a planar one
// (p = 0) keeps it.
TEST(Hydrogens, PlanarityDecidesForThreeNeighboursWithSingleBonds) {
    const double tilts[3] = {-19.47, -5.0, 0.0};  // degrees below the plane
    const int expected[3] = {1, 0, 1};
    for (int t = 0; t < 3; ++t) {
        Molecule m;
        Atom* c = m.atom(C, 0, 0);
        const double tilt = tilts[t] * kPi / 180;
        for (int k = 0; k < 3; ++k) {
            const double phi = k * 2 * kPi / 3;
            m.bond(c, m.atom(C, 1.532 * std::cos(tilt) * std::cos(phi),
                             1.532 * std::cos(tilt) * std::sin(phi), 1.532 * std::sin(tilt)));
        }
        Igtnh(m.entry);
        EXPECT_EQ(c->hcount, expected[t]) << "tilt " << tilts[t];
    }
}

// Three shortened bonds of 0.93 single lengths: x = (3 - 2.79) / 0.13 / 1.5 =
// 1.08. Planar (p = 0) loses its one hydrogen, tetrahedral (|p| > 0.45) keeps it.
TEST(Hydrogens, PlanarityDecidesForThreeShortenedBonds) {
    const double tilts[2] = {0.0, -19.47};
    const int expected[2] = {0, 1};
    for (int t = 0; t < 2; ++t) {
        Molecule m;
        Atom* c = m.atom(C, 0, 0);
        const double d = 0.93 * 1.532;
        const double tilt = tilts[t] * kPi / 180;
        for (int k = 0; k < 3; ++k) {
            const double phi = k * 2 * kPi / 3;
            m.bond(c, m.atom(C, d * std::cos(tilt) * std::cos(phi), d * std::cos(tilt) * std::sin(phi),
                             d * std::sin(tilt)));
        }
        Igtnh(m.entry);
        EXPECT_EQ(c->hcount, expected[t]) << "tilt " << tilts[t];
    }
}

// N=C1 1.28 Å, C1=C2 1.34 Å. First pass: N 0 (x = 1.53), C1 1 (x = 1.32),
// C2 2 (x = 0.96). N has 0 + 1 < 3, C1 1 + 2 < 4 and C2 2 + 1 < 4: one odd
// group of three with a single nitrogen, which gains a hydrogen.
TEST(Hydrogens, OddGroupWithOneNitrogenGivesItAHydrogen) {
    Molecule m;
    Atom* n = m.atom(N, 0, 0);
    Atom* c1 = m.atom(C, 1.28, 0);
    Atom* c2 = m.atom(C, 1.28 + 1.34, 0);
    m.bond(n, c1);
    m.bond(c1, c2);
    EXPECT_EQ(Igtnh(m.entry), 4);
    EXPECT_EQ(n->hcount, 1);
    EXPECT_EQ(c1->hcount, 1);
    EXPECT_EQ(c2->hcount, 2);
    EXPECT_EQ(n->serial, 1);
    EXPECT_EQ(c2->serial, 1);
}

// C1 bonded to Na (1.28), O (1.22) and Nb (1.38) in a plane; Nb-C2 1.26.
// First pass: C1 0, Na 0, O 0, Nb 0, C2 2; all five are unsaturated and form
// one odd group with two nitrogens. The nitrogens are tried from the end of
// the atom list; each is next to C1, which has the group's oxygen, so the
// later nitrogen in the list gains the hydrogen.
TEST(Hydrogens, OddGroupWithSeveralNitrogensGivesItToTheLastNextToOxygen) {
    for (int order = 0; order < 2; ++order) {
        Molecule m;
        Atom* first = m.atom(N, 0, 0);  // Na or Nb, placed below
        Atom* c1 = m.atom(C, 0, 0);
        Atom* o = m.atom(O, px(c1, 1.22, 210), py(c1, 1.22, 210));
        Atom* second = m.atom(N, 0, 0);
        Atom* na = order == 0 ? first : second;
        Atom* nb = order == 0 ? second : first;
        na->x = static_cast<float>(px(c1, 1.28, 90));
        na->y = static_cast<float>(py(c1, 1.28, 90));
        nb->x = static_cast<float>(px(c1, 1.38, 330));
        nb->y = static_cast<float>(py(c1, 1.38, 330));
        Atom* c2 = m.atom(C, nb->x + 1.26, nb->y);
        m.bond(c1, na);
        m.bond(c1, o);
        m.bond(c1, nb);
        m.bond(nb, c2);
        Igtnh(m.entry);
        EXPECT_EQ(c1->hcount, 0);
        EXPECT_EQ(o->hcount, 0);
        EXPECT_EQ(c2->hcount, 2);
        EXPECT_EQ(second->hcount, 1) << "order " << order;
        EXPECT_EQ(first->hcount, 0) << "order " << order;
        EXPECT_EQ(o->serial, first->serial);
        EXPECT_EQ(c2->serial, first->serial);
    }
}

// Na=C-Nb with both nitrogens short of bonds and no oxygen: the odd group
// has nobody to give its hydrogen to.
TEST(Hydrogens, OddGroupWithoutOxygenKeepsItsCounts) {
    Molecule m;
    Atom* na = m.atom(N, 0, 0);
    Atom* c = m.atom(C, 1.28, 0);
    Atom* nb = m.atom(N, 1.28 + 1.28, 0);
    m.bond(na, c);
    m.bond(c, nb);
    Igtnh(m.entry);
    EXPECT_EQ(na->hcount, 0);
    EXPECT_EQ(nb->hcount, 0);
    EXPECT_EQ(na->serial, 1);
    EXPECT_EQ(nb->serial, 1);
}

TEST(Hydrogens, NoEntryGivesZero) { EXPECT_EQ(Igtnh(nullptr), 0); }
