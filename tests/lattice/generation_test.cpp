// Lattice generation: shells, totals, names and edge colours of the four
// lattice types, as the driver calls the generator. The transcripts pin the
// summary and verbose lines, the refused types and the lattice files.
#include "lattice/generation.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

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
    std::vector<Bond*> edges() const {
        std::vector<Bond*> all;
        for (Bond* b = entry->bonds.next; b != &entry->bonds; b = b->next) all.push_back(b);
        return all;
    }
};

const char* const kShortNames[4] = {"ldmd", "lsc", "lbcc", "lfcc"};

// Vertices per shell 1..12 for the driver's call.
constexpr std::array<std::array<int, 12>, 4> kShellSizes = {{
    {4, 12, 24, 42, 64, 92, 124, 162, 204, 252, 304, 362},
    {6, 18, 38, 66, 102, 146, 198, 258, 326, 402, 486, 578},
    {8, 26, 56, 98, 152, 218, 296, 386, 488, 602, 728, 866},
    {12, 42, 92, 162, 252, 362, 492, 642, 812, 1002, 1212, 1442},
}};

}  // namespace

// Each pass creates one shell; every vertex is labelled with its shell number
// and numbered in list order, the origin first; no vertex reports a sign or
// ligand error.
TEST(LatticeGeneration, EachPassCreatesTheVerticesOfOneShell) {
    for (int type = 0; type < 4; ++type) {
        SCOPED_TRACE(kShortNames[type]);
        g_pass_counts.clear();
        Generated g(type, 12, record_pass);
        ASSERT_NE(g.entry, nullptr);
        EXPECT_EQ(g.entry->name, std::string(kShortNames[type]) + "_12");
        EXPECT_EQ(g.entry->type, 0x1000);
        EXPECT_EQ(g.entry->colour, -7);
        EXPECT_NE(Qisntr(g.entry, nullptr), nullptr);
        EXPECT_EQ(g.out, "");
        EXPECT_STREQ(first_atom(g.entry)->label, "0");
        std::array<int, 13> per_shell{};
        int position = 0;
        for (Atom* a = first_atom(g.entry); !atom_end(g.entry, a); a = a->next) {
            ++per_shell.at(a->hcount);
            EXPECT_EQ(a->label, std::to_string(a->hcount));
            EXPECT_EQ(a->serial, ++position);
        }
        EXPECT_EQ(per_shell[0], 1);
        ASSERT_EQ(g_pass_counts.size(), 12u);
        for (int s = 1; s <= 12; ++s) {
            EXPECT_EQ(g_pass_counts[s - 1], kShellSizes[type][s - 1]) << "shell " << s;
            EXPECT_EQ(per_shell[s], kShellSizes[type][s - 1]) << "shell " << s;
        }
    }
}

// The transcripts pin one shell of each type and three of the simple cubic
// lattice, with the summary line and the verbose lines of each shell.
TEST(LatticeGeneration, VertexAndEdgeTotalsOfSmallLattices) {
    struct Case {
        int type, shells, vertices, edges;
    };
    const Case cases[] = {
        {0, 2, 17, 16}, {1, 2, 25, 36},  {2, 2, 35, 64},   {3, 2, 55, 216},
        {0, 3, 41, 52}, {2, 3, 91, 216}, {3, 3, 147, 660},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.type << ", " << c.shells << " shells");
        Generated g(c.type, c.shells);
        ASSERT_NE(g.entry, nullptr);
        EXPECT_EQ(g.vertices(), c.vertices);
        EXPECT_EQ(g.edges().size(), static_cast<std::size_t>(c.edges));
    }
}

// The summary turns inner edges black (0) and keeps the others blue (7):
// below coordination 12 an edge stays blue when one end lies in the outermost
// shell, at 12 only when both do. One shell of diamond keeps its 4 edges; one
// shell of the face centred cubic lattice turns the 12 from the origin black
// and keeps the 24 between shell-1 vertices; two shells of the simple cubic
// lattice keep 30 of 36.
TEST(LatticeGeneration, SummaryTurnsInnerEdgesBlack) {
    struct Case {
        int type, shells, blue, black;
    };
    for (auto [type, shells, blue, black] : {Case{0, 1, 4, 0}, {3, 1, 24, 12}, {1, 2, 30, 6}}) {
        Generated g(type, shells);
        int stayed = 0, turned = 0;
        for (Bond* e : g.edges()) {
            const int outer = (e->atom1->hcount == shells) + (e->atom2->hcount == shells);
            const bool stays = type == 3 ? outer == 2 : outer > 0;
            EXPECT_EQ(e->colour, stays ? 7 : 0) << "type " << type;
            stays ? ++stayed : ++turned;
        }
        EXPECT_EQ(stayed, blue);
        EXPECT_EQ(turned, black);
        EXPECT_EQ(Xltsum(g.entry, 0), blue);
    }
}

// Every edge joins vertices whose bond distances from the origin differ by
// one: the lattice is bipartite.
TEST(LatticeGeneration, DiamondIsBipartite) {
    Generated g(0, 6);
    int n = 50;  // labels only: each vertex's serial becomes its bond distance
    Rlabd(g.entry, first_atom(g.entry), &n);
    for (Bond* e : g.edges()) EXPECT_EQ(std::abs(e->atom1->serial - e->atom2->serial), 1);
}

// The transcripts refuse types 4 and -1 and -2 shells.
TEST(LatticeGeneration, RefusesAShellCountOfZero) {
    Generated none(0, 0);
    EXPECT_EQ(none.entry, nullptr);
    EXPECT_EQ(none.err, "Lattice generation needs at least 1 shell, got 0!\n");
}
