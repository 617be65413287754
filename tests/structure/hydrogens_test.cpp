// Implicit hydrogen counts from the geometry: free valences, shortened bonds,
// planarity of three neighbours, and odd conjugated groups around nitrogens.
#include "structure/hydrogens.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

#include "structure/model.h"
#include "support/entry_list.h"

namespace {

constexpr int H = 1, C = 6, N = 7, O = 8;
const double kPi = std::acos(-1.0);

// A molecule in its own list, atoms placed by hand (Å).
struct Molecule {
    EntryList list;
    Entry* entry = list.add("m", 1);
    Atom* atom(int element, double x, double y, double z = 0.0) {
        Atom* a = add_atom(entry, "", element, x, y, z);
        a->hcount = 9;  // overwritten by Igtnh
        return a;
    }
    // An atom at distance d from the z axis in direction `degrees`.
    Atom* polar(int element, double d, double degrees, double z = 0.0) {
        const double phi = degrees * kPi / 180;
        return atom(element, d * std::cos(phi), d * std::sin(phi), z);
    }
    void bond(Atom* a, Atom* b) { Qnsbd(&entry->bonds, a, b); }

    // Atoms of the given elements along the x axis, each bonded to the one
    // before it at the given distance.
    std::vector<Atom*> chain(const std::vector<int>& elements, const std::vector<double>& gaps) {
        std::vector<Atom*> atoms{atom(elements[0], 0, 0)};
        for (std::size_t i = 1; i < elements.size(); ++i) {
            atoms.push_back(atom(elements[i], atoms.back()->x + gaps[i - 1], 0));
            bond(atoms[i - 1], atoms[i]);
        }
        return atoms;
    }
};

}  // namespace

// Single bond lengths: C-C 2 x 0.766 = 1.532 Å, C-N 0.766 + 0.71 = 1.476 Å.
// Shortening x = (nh - sum d/d0) / 0.13, times 1.5 for a nitrogen with one
// neighbour, divided by 1.5 for two neighbours.
// - ethane 1.532: x = 0, 4 - 1 = 3 each; ethene 1.33: x = 1.01, one fewer;
//   ethyne 1.20: x = 1.67, two fewer.
// - amine C-N 1.47: the nitrogen's x = 0.05 < 0.5 with one neighbour gives
//   3 - 1 + 1. Nitrile N#C 1.16: x = 2.47 for the nitrogen (2 - 2), 1.65 for
//   the carbon (3 - 2); both short of bonds, an even group of two.
// - N=C1 1.28, C1=C2 1.34: N 0 (x = 1.53), C1 1 (x = 1.32), C2 2 (x = 0.96);
//   all three short of bonds: an odd group with a single nitrogen, which gains
//   a hydrogen.
// - Na=C-Nb, both 1.28: N 0, C 1; an odd group of two nitrogens and no oxygen
//   keeps its counts.
// - Hydrogens get 0 and are no heavy neighbours: C-H leaves the carbon its
//   free valence 3 without any shortening; a lone hydrogen gets 0 too.
TEST(Hydrogens, ChainsGetTheirCountsAndGroupNumbers) {
    struct Case {
        std::vector<int> elements;
        std::vector<double> gaps;
        std::vector<int> hydrogens, groups;
        int total;
    };
    const Case cases[] = {
        {{C, C}, {1.532}, {3, 3}, {0, 0}, 6},
        {{C, C}, {1.33}, {2, 2}, {0, 0}, 4},
        {{C, C}, {1.20}, {1, 1}, {0, 0}, 2},
        {{C, N}, {1.47}, {3, 3}, {0, 0}, 6},
        {{C, N}, {1.16}, {1, 0}, {1, 1}, 1},
        {{N, C, C}, {1.28, 1.34}, {1, 1, 2}, {1, 1, 1}, 4},
        {{N, C, N}, {1.28, 1.28}, {0, 1, 0}, {1, 1, 1}, 1},
        {{H, C}, {1.09}, {0, 3}, {0, 0}, 3},
        {{H}, {}, {0}, {0}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        Molecule m;
        std::vector<Atom*> atoms = m.chain(c.elements, c.gaps);
        EXPECT_EQ(Igtnh(m.entry), c.total);
        for (std::size_t i = 0; i < atoms.size(); ++i) {
            EXPECT_EQ(atoms[i]->hcount, c.hydrogens[i]) << "atom " << i;
            EXPECT_EQ(atoms[i]->serial, c.groups[i]) << "atom " << i;
            EXPECT_EQ(atoms[i]->work, (i > 0) + (i + 1 < atoms.size())) << "atom " << i;
        }
    }
    EXPECT_EQ(Igtnh(nullptr), 0);
}

// A carbon with three neighbours keeps h = 1 from its valence unless its bond
// shortening x and planarity p say otherwise. Single bonds (x = 0): a
// tetrahedral one (p = 0.77) and a planar one (p = 0) keep it, a slightly
// pyramidal one (0 < |p| <= 0.3) loses it. Bonds of 0.93 single lengths
// (x = (3 - 2.79) / 0.13 / 1.5 = 1.08): planar loses it, tetrahedral
// (|p| > 0.45) keeps it. The three neighbours lie 120 degrees apart, tilted
// below the carbon's plane (19.47 degrees makes them tetrahedral).
TEST(Hydrogens, PlanarityDecidesForThreeNeighbours) {
    const std::tuple<double, double, int> cases[] = {
        {1.532, 19.47, 1},
        {1.532, 5.0, 0},
        {1.532, 0.0, 1},
        {0.93 * 1.532, 0.0, 0},
        {0.93 * 1.532, 19.47, 1}};  // length (Å), tilt (degrees), hydrogens
    for (auto [length, degrees, hydrogens] : cases) {
        Molecule m;
        Atom* centre = m.atom(C, 0, 0);
        const double tilt = degrees * kPi / 180;
        for (int k = 0; k < 3; ++k)
            m.bond(centre, m.polar(C, length * std::cos(tilt), 120 * k, -length * std::sin(tilt)));
        Igtnh(m.entry);
        EXPECT_EQ(centre->hcount, hydrogens) << length << " Å, tilt " << degrees;
    }
}

// C1 bonded to Na (1.28, at 90 degrees), O (1.22, at 210) and Nb (1.38, at
// 330) in a plane; Nb-C2 1.26. First pass: C1 0, Na 0, O 0, Nb 0, C2 2; all
// five are unsaturated and form one odd group with two nitrogens. The
// nitrogens are tried from the end of the atom list; each is next to C1,
// which has the group's oxygen, so the later nitrogen in the list gains the
// hydrogen, whichever of the two it is.
TEST(Hydrogens, OddGroupWithSeveralNitrogensGivesItToTheLastNextToOxygen) {
    for (bool na_first : {true, false}) {
        Molecule m;
        Atom* first = na_first ? m.polar(N, 1.28, 90) : m.polar(N, 1.38, 330);
        Atom* c1 = m.atom(C, 0, 0);
        Atom* o = m.polar(O, 1.22, 210);
        Atom* second = na_first ? m.polar(N, 1.38, 330) : m.polar(N, 1.28, 90);
        Atom* na = na_first ? first : second;
        Atom* nb = na_first ? second : first;
        Atom* c2 = m.atom(C, nb->x + 1.26, nb->y);
        for (Atom* a : {na, o, nb}) m.bond(c1, a);
        m.bond(nb, c2);
        Igtnh(m.entry);
        EXPECT_EQ(o->hcount, 0);
        EXPECT_EQ(second->hcount, 1) << "Na first: " << na_first;
        EXPECT_EQ(first->hcount, 0) << "Na first: " << na_first;
        EXPECT_EQ(o->serial, first->serial);
        EXPECT_EQ(c2->serial, first->serial);
    }
}
