// The probe's exclusion worked out near the probe against the full pass of
// Xltocc: counts, marked vertices, and the marks it leaves on the lattice;
// and the lattices it declines, for the full pass to take.
#include "walks/probe_exclusion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "lattice/enumeration.h"
#include "structure/model.h"
#include "support/lattices.h"

namespace {

// Occupancy, charge and element of every vertex, one line each.
std::string marks_of(const TestLattice& lattice) {
    std::string text;
    for (const Atom* v : lattice.vertices) {
        char line[80];
        std::snprintf(line, sizeof line, "%.9g %.9g %d\n", static_cast<double>(v->occupancy),
                      static_cast<double>(v->charge), v->element);
        text += line;
    }
    return text;
}

struct Table {
    explicit Table(const TestLattice& lattice) {
        int count = 1;
        vertices = Xltwnum(lattice.entry, &count, nullptr);
        n = count;
    }
    ~Table() { std::free(vertices); }
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;
    Atom** vertices;
    int n;
};

// A cubic lattice whose corner (2, 2, 2) has lost its edges, and whose
// vertex (-2, -2, -2) is joined to the origin: an isolated vertex, and a
// start neighbour far out.
void build_test_lattice(TestLattice& lattice) {
    build_cubic(lattice, 2, 1.0f);
    Atom* corner = lattice[lattice.size() - 1];
    while (bond_count(corner) > 0) {
        for (int i = 0; i < corner->nslots; ++i)
            if (corner->slots[i]) Qdlbd(corner->slots[i]);
    }
    lattice.join(0, 1);
}

}  // namespace

// Probes on vertices, between them and off the lattice; radii that end
// exactly on vertices, shut in vertices both inside and outside.
TEST(ProbeExclusion, CountsAndMarksWhatTheFullPassDoesAtEveryProbe) {
    TestLattice lattice;
    build_test_lattice(lattice);
    Table table(lattice);
    TestSphere probe(0, 0, 0);
    ProbeExclusion local(lattice.entry, table.vertices, table.n, probe.entry);
    const float probes[][4] = {{0, 0, 0, 1.0f},          {1, 0, 0, 1.0f}, {1, 1, 1, 1.5f},
                               {0.5f, 0.5f, 0.5f, 0.9f}, {2, 2, 1, 1.0f}, {-1, 2, 0, 2.0f},
                               {9, 9, 9, 1.0f},          {0, 0, 0, 3.5f}, {2, 0, 0, 0.1f}};
    for (const auto& p : probes) {
        SCOPED_TRACE(std::to_string(p[0]) + " " + std::to_string(p[1]) + " " +
                     std::to_string(p[2]) + " r " + std::to_string(p[3]));
        probe.centre->x = p[0], probe.centre->y = p[1], probe.centre->z = p[2];
        ProbeMarks marks;
        ASSERT_TRUE(local.exclude(p[3], false, &marks));
        local.mark_lattice();
        const std::string near = marks_of(lattice);

        // The elements set so far stay: the full pass adds any the local
        // exclusion missed.
        for (Atom* v : lattice.vertices) v->occupancy = 1.0f, v->charge = -1.0f;
        const OccupancyCounts* full =
            Xltocc(lattice.entry, nullptr, 1, &probe.entry, kOccupancyFreeFirst, p[3]);
        EXPECT_EQ(near, marks_of(lattice));
        EXPECT_EQ(marks.counts.occupied, full->occupied);
        EXPECT_EQ(marks.counts.first_steps, full->first_steps);
        std::vector<std::int32_t> marked;
        for (int k = 0; k < table.n; ++k)
            if (table.vertices[k]->occupancy >= 1.0f) marked.push_back(k);
        std::sort(marks.marked.begin(), marks.marked.end());
        EXPECT_EQ(marks.marked, marked);
    }
}

// A path O - D - C - B - A in the list order O, A, B, C, D with B and C
// within the radius: A, outside, is shut in before B, so B finds no free
// neighbour and is shut in too, while C keeps D free.
TEST(ProbeExclusion, WithinTheRadiusTheListOrderTellsOccupiedFromShutIn) {
    TestLattice lattice;
    lattice.add(-5, 0, 0, 0);  // O
    lattice.add(3, 0, 0, 3);   // A
    lattice.add(2, 0, 0, 3);   // B
    lattice.add(1, 0, 0, 2);   // C
    lattice.add(-4, 0, 0, 1);  // D
    for (auto [a, b] : {std::pair{0, 4}, {1, 2}, {2, 3}, {3, 4}}) lattice.join(a, b);
    Table table(lattice);
    TestSphere probe(1.5f, 0, 0);
    ProbeExclusion local(lattice.entry, table.vertices, table.n, probe.entry);
    ProbeMarks marks;
    ASSERT_TRUE(local.exclude(0.6f, false, &marks));
    local.mark_lattice();
    EXPECT_EQ(marks.counts.occupied, 3);
    EXPECT_EQ(marks.counts.first_steps, 1);
    std::string occupancies;
    for (const Atom* v : lattice.vertices) occupancies += std::to_string(v->occupancy) + " ";
    EXPECT_EQ(occupancies, "0.000000 4.000000 4.000000 3.000000 0.000000 ");
}

// A plain cubic lattice is taken (see the first test).
TEST(ProbeExclusion, DeclinesLatticesWhoseEdgesTheOrderOfThePassCouldMatter) {
    TestSphere probe(0, 0, 0);
    ProbeMarks marks;
    auto declines = [&](TestLattice& lattice) {
        Table table(lattice);
        ProbeExclusion local(lattice.entry, table.vertices, table.n, probe.entry);
        return !local.exclude(1.0f, false, &marks);
    };
    {
        TestLattice lattice;  // an edge seen from one end only
        build_cubic(lattice, 1, 1.0f);
        Atom* v = Qbdnbr(lattice[0]->slots[0], lattice[0]);
        for (int i = 0; i < v->nslots; ++i)
            if (v->slots[i] && Qbdnbr(v->slots[i], v) == lattice[0]) v->slots[i] = nullptr;
        EXPECT_TRUE(declines(lattice));
    }
    {
        // A neighbour named twice by the last vertex (a corner: three bonds
        // in four slots, every neighbour before it) and an edge of the
        // origin seen from its far end only: as many entries point down
        // the table as up.
        TestLattice lattice;
        build_cubic(lattice, 1, 1.0f);
        Atom* corner = lattice[lattice.size() - 1];
        ASSERT_EQ(corner->nslots, 4);
        ASSERT_EQ(corner->slots[3], nullptr);
        corner->slots[3] = corner->slots[0];
        Atom* far_end = Qbdnbr(lattice[0]->slots[0], lattice[0]);
        for (int i = 0; i < far_end->nslots; ++i)
            if (far_end->slots[i] == lattice[0]->slots[0]) far_end->slots[i] = nullptr;
        EXPECT_TRUE(declines(lattice));
        corner->slots[3] = nullptr;
    }
    {
        TestLattice lattice;  // no vertex of shell 0
        build_cubic(lattice, 1, 1.0f);
        lattice[0]->hcount = 1;
        EXPECT_TRUE(declines(lattice));
    }
}
