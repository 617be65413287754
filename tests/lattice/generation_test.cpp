#include "lattice/generation.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <regex>
#include <string>
#include <vector>

#include "lattice/directions.h"
#include "structure/elements.h"
#include "structure/model.h"

namespace {

constexpr float kDriverPoints[6] = {0.0f, 0.0f, 0.0f, -1.0f, 0.0f, 0.0f};

std::vector<int> g_pass_counts;

void record_pass(int shell, int vertices) {
    EXPECT_EQ(shell, static_cast<int>(g_pass_counts.size()) + 1);
    g_pass_counts.push_back(vertices);
}

// A lattice made with the driver's arguments; its stderr and stdout are kept
// for inspection and the entry is released at the end of the test.
struct Generated {
    Entry* entry = nullptr;
    std::string out, err;

    Generated(int code, int shells, LatticeProgress progress = nullptr) {
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        entry = Xltgen(code, kDriverPoints, shells, progress, Qbdlen(6, 6));
        err = testing::internal::GetCapturedStderr();
        out = testing::internal::GetCapturedStdout();
    }
    ~Generated() {
        if (entry) Qdlntr(entry, nullptr);
    }
    int vertices() const {
        int n = 0;
        for (Atom* a = first_atom(entry); !atom_end(entry, a); a = a->next) ++n;
        return n;
    }
    int edges() const {
        int n = 0;
        for (Bond* b = entry->bonds.next; b != &entry->bonds; b = b->next) ++n;
        return n;
    }
};

// Vertices per shell 1..12 for the driver's call.
constexpr std::array<std::array<int, 12>, 4> kShellSizes = {{
    {4, 12, 24, 42, 64, 92, 124, 162, 204, 252, 304, 362},
    {6, 18, 38, 66, 102, 146, 198, 258, 326, 402, 486, 578},
    {8, 26, 56, 98, 152, 218, 296, 386, 488, 602, 728, 866},
    {12, 42, 92, 162, 252, 362, 492, 642, 812, 1002, 1212, 1442},
}};

}  // namespace

TEST(LatticeGeneration, EachPassCreatesTheVerticesOfOneShell) {
    for (int type = 0; type < 4; ++type) {
        g_pass_counts.clear();
        Generated g(type, 12, record_pass);
        ASSERT_NE(g.entry, nullptr);
        ASSERT_EQ(g_pass_counts.size(), 12u);
        std::array<int, 13> per_shell{};
        for (Atom* a = first_atom(g.entry); !atom_end(g.entry, a); a = a->next) {
            ASSERT_GE(a->hcount, 0);
            ASSERT_LE(a->hcount, 12);
            ++per_shell[a->hcount];
        }
        EXPECT_EQ(per_shell[0], 1) << "type " << type;
        for (int s = 1; s <= 12; ++s) {
            EXPECT_EQ(g_pass_counts[s - 1], kShellSizes[type][s - 1]) << "type " << type << " shell " << s;
            EXPECT_EQ(per_shell[s], kShellSizes[type][s - 1]) << "type " << type << " shell " << s;
        }
    }
}

TEST(LatticeGeneration, VertexAndEdgeTotalsOfSmallLattices) {
    struct Case {
        int type, shells, vertices, edges;
    };
    const Case cases[] = {
        {0, 1, 5, 4},   {1, 1, 7, 6},    {2, 1, 9, 8},    {3, 1, 13, 36},
        {0, 2, 17, 16}, {1, 2, 25, 36},  {2, 2, 35, 64},  {3, 2, 55, 216},
        {0, 3, 41, 52}, {1, 3, 63, 114}, {2, 3, 91, 216}, {3, 3, 147, 660},
    };
    for (const Case& c : cases) {
        Generated g(c.type, c.shells);
        ASSERT_NE(g.entry, nullptr);
        EXPECT_EQ(g.vertices(), c.vertices) << "type " << c.type << ", " << c.shells << " shells";
        EXPECT_EQ(g.edges(), c.edges) << "type " << c.type << ", " << c.shells << " shells";
    }
}

TEST(LatticeGeneration, EntryIsALatticeNamedAfterTypeAndShells) {
    Generated g(0, 10);
    ASSERT_NE(g.entry, nullptr);
    EXPECT_STREQ(g.entry->name, "ldmd_10");
    EXPECT_EQ(g.entry->type, 0x1000);
    EXPECT_EQ(g.entry->colour, -7);
    EXPECT_NE(Qisntr(g.entry, nullptr), nullptr);

    const char* names[] = {"ldmd_2", "lsc_2", "lbcc_2", "lfcc_2"};
    for (int type = 0; type < 4; ++type) {
        Generated small(type, 2);
        EXPECT_STREQ(small.entry->name, names[type]);
    }
}

TEST(LatticeGeneration, SummaryReportsShellsVerticesAndCoordination) {
    const int coordination[] = {4, 6, 8, 12};
    const int vertices[] = {41, 63, 91, 147};
    const char* names[] = {"ldmd_3", "lsc_3", "lbcc_3", "lfcc_3"};
    for (int type = 0; type < 4; ++type) {
        Generated g(type, 3);
        std::string summary = std::string(names[type]) + ": 3 shells, " +
                              std::to_string(vertices[type]) + " vertices, coordination " +
                              std::to_string(coordination[type]) + "\n";
        ASSERT_GE(g.err.size(), summary.size());
        EXPECT_EQ(g.err.substr(g.err.size() - summary.size()), summary);
    }
}

TEST(LatticeGeneration, QuietRunPrintsOnlyTimeAndSummary) {
    Generated g(1, 3);
    EXPECT_TRUE(std::regex_match(g.err, std::regex("[0-9]+ sec\nlsc_3: 3 shells, 63 vertices, coordination 6\n")))
        << g.err;
    EXPECT_EQ(g.out, "");
}

TEST(LatticeGeneration, VerboseRunPrintsOneLinePerShell) {
    Generated g(kLatticeVerbose + 1, 3);
    EXPECT_TRUE(std::regex_match(g.err, std::regex("shell 1: 6 vertices, [0-9]+ sec\n"
                                                   "shell 2: 18 vertices, [0-9]+ sec\n"
                                                   "shell 3: 38 vertices, [0-9]+ sec\n"
                                                   "[0-9]+ sec\n"
                                                   "lsc_3: 3 shells, 63 vertices, coordination 6\n")))
        << g.err;
}

TEST(LatticeGeneration, OneShellOfDiamondKeepsAllFourEdgesBlue) {
    Generated g(0, 1);
    ASSERT_EQ(g.edges(), 4);
    for (Bond* b = g.entry->bonds.next; b != &g.entry->bonds; b = b->next) EXPECT_EQ(b->colour, 7);
}

TEST(LatticeGeneration, OneShellOfFaceCentredCubicHighlightsOnlyTheSurface) {
    Generated g(3, 1);
    Atom* origin = first_atom(g.entry);
    int from_origin = 0, surface = 0;
    for (Bond* b = g.entry->bonds.next; b != &g.entry->bonds; b = b->next) {
        if (b->atom1 == origin || b->atom2 == origin) {
            ++from_origin;
            EXPECT_EQ(b->colour, 0);
        } else {
            ++surface;
            EXPECT_EQ(b->colour, 7);
        }
    }
    EXPECT_EQ(from_origin, 12);
    EXPECT_EQ(surface, 24);
}

TEST(LatticeGeneration, EdgesJoinExistingToNewVerticesAtEdgeLength) {
    for (int type = 0; type < 4; ++type) {
        Generated g(type, 4);
        const float b = Qbdlen(6, 6);
        for (Bond* e = g.entry->bonds.next; e != &g.entry->bonds; e = e->next) {
            const Atom* a = e->atom1;
            const Atom* z = e->atom2;
            float d = std::sqrt((a->x - z->x) * (a->x - z->x) + (a->y - z->y) * (a->y - z->y) +
                                (a->z - z->z) * (a->z - z->z));
            EXPECT_NEAR(d, b, 0.01f) << "type " << type;
            EXPECT_GE(a->serial, 1);
            EXPECT_LT(a->serial, z->serial) << "type " << type;  // atom2 is the newer vertex
        }
    }
}

TEST(LatticeGeneration, DiamondIsBipartite) {
    Generated g(0, 6);
    // Colour the vertices by walking the edges from the origin, then check
    // that every edge joins the two colours and its direction matches the
    // sign set: +D_k leaves a vertex of the origin's set.
    for (Atom* a = first_atom(g.entry); !atom_end(g.entry, a); a = a->next) a->work = 0;
    first_atom(g.entry)->work = 1;
    bool changed = true;
    while (changed) {
        changed = false;
        for (Bond* e = g.entry->bonds.next; e != &g.entry->bonds; e = e->next) {
            Atom* p = e->atom1;
            Atom* q = e->atom2;
            if (p->work != 0 && q->work == 0) {
                q->work = -p->work;
                changed = true;
            } else if (q->work != 0 && p->work == 0) {
                p->work = -q->work;
                changed = true;
            }
        }
    }
    for (Bond* e = g.entry->bonds.next; e != &g.entry->bonds; e = e->next) {
        ASSERT_NE(e->atom1->work, 0);
        EXPECT_EQ(e->atom1->work, -e->atom2->work);
    }
    EXPECT_EQ(g.out, "");
}

TEST(LatticeGeneration, NoVertexReportsASignOrLigandError) {
    for (int type = 0; type < 4; ++type) {
        Generated g(type, 6);
        EXPECT_EQ(g.out, "") << "type " << type;
    }
}

TEST(LatticeGeneration, LabelsAreShellNumbersWithTheOriginFirst) {
    for (int type = 0; type < 4; ++type) {
        Generated g(type, 3);
        Atom* origin = first_atom(g.entry);
        EXPECT_STREQ(origin->label, "0");
        EXPECT_EQ(origin->hcount, 0);
        EXPECT_EQ(origin->x, 0.0f);
        int position = 0;
        for (Atom* a = first_atom(g.entry); !atom_end(g.entry, a); a = a->next) {
            EXPECT_EQ(std::string(a->label), std::to_string(a->hcount));
            EXPECT_EQ(a->element, 6);
            EXPECT_EQ(a->serial, ++position);
        }
    }
}

TEST(LatticeGeneration, FirstNeighbourLiesAlongTheFirstDirection) {
    const float b = Qbdlen(6, 6);
    Generated diamond(0, 1);
    Atom* first = first_atom(diamond.entry)->next;
    EXPECT_FLOAT_EQ(first->x, b);
    EXPECT_EQ(first->y, 0.0f);
    EXPECT_EQ(first->z, 0.0f);
    EXPECT_STREQ(first->label, "1");

    // Face centred cubic: along (d - w) / sqrt 2 with d = +x, w = +z.
    Generated fcc(3, 1);
    first = first_atom(fcc.entry)->next;
    EXPECT_NEAR(first->x, b / std::sqrt(2.0f), 1e-6);
    EXPECT_EQ(first->y, 0.0f);
    EXPECT_NEAR(first->z, -b / std::sqrt(2.0f), 1e-6);
}

TEST(LatticeGeneration, DiamondHasTwelveVerticesTwoBondsFromTheOrigin) {
    Generated g(0, 3);
    int n = -2;
    Atom** shell = Rlabd(g.entry, first_atom(g.entry), &n);
    ASSERT_NE(shell, nullptr);
    EXPECT_EQ(n, 12);
    for (int i = 0; i < n; ++i) EXPECT_EQ(shell[i]->hcount, 2);
    std::free(shell);
}

TEST(LatticeGeneration, RefusesShellCountsBelowOneAndUnknownTypes) {
    Generated none(0, 0);
    EXPECT_EQ(none.entry, nullptr);
    EXPECT_EQ(none.err, "Lattice generation needs at least 1 shell, got 0!\n");
    Generated unknown(4, 2);
    EXPECT_EQ(unknown.entry, nullptr);
    EXPECT_EQ(unknown.err, "Non-existing lattice type (<4) 4!\n");
}

TEST(LatticeSummary, NothingForNoEntryOrANonLattice) {
    EXPECT_EQ(Xltsum(nullptr, 1), 0);
    Entry* molecule = Qnsntr(nullptr);
    Atom* a = Qnsatm(&molecule->atoms);
    Atom* b = Qnsatm(&molecule->atoms);
    Qnsbd(&molecule->bonds, a, b);
    testing::internal::CaptureStderr();
    EXPECT_EQ(Xltsum(molecule, 1), 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(a->serial, 0);
    EXPECT_EQ(molecule->bonds.next->colour, 1);
    Qdlntr(molecule, nullptr);
}

TEST(LatticeSummary, BipartiteLatticesKeepEdgesReachingTheOuterShell) {
    Generated g(1, 2);
    // Simple cubic, 2 shells: 36 edges, of which the 6 from the origin are inner.
    int kept = 0;
    for (Bond* e = g.entry->bonds.next; e != &g.entry->bonds; e = e->next) {
        bool outer = e->atom1->hcount == 2 || e->atom2->hcount == 2;
        EXPECT_EQ(e->colour, outer ? 7 : 0);
        kept += outer;
    }
    EXPECT_EQ(kept, 30);
    // A second summary counts the same edges and leaves the colours alone.
    EXPECT_EQ(Xltsum(g.entry, 0), 30);
}
