// The sampler's arrays of a hand-made lattice: neighbours in slot order, which
// vertices can be entered and the outer shell. The numbers, charges and
// positions copied per vertex are used by korvi-perm's exact enumerations and
// transcripts.
#include "walks/sampling_lattice.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "support/hand_lattices.h"

namespace {

std::vector<std::int32_t> listed(std::span<const std::int32_t> s) {
    return {s.begin(), s.end()};
}

}  // namespace

TEST(PermLattice, CopiesNeighboursMarksAndShellsAndBlocksWhatTheGeneratorNeverEnters) {
    NumberedLattice lattice_entry;
    TestLattice& t = lattice_entry.t;
    const float marks[] = {0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 3.0f, NAN, 1.0f, 4.0f};
    const int shells[] = {0, 1, 1, 2, 2, 2, 2, 1, 2};
    for (int i = 0; i < 9; ++i) {
        Atom* v = t.add(static_cast<float>(i), 2.0f * i, -1.0f * i, shells[i]);
        v->occupancy = marks[i];
    }
    for (auto [a, b] : {std::pair{0, 1}, {0, 2}, {0, 7}, {1, 3}, {2, 3}, {1, 4}, {2, 5}, {3, 5},
                        {1, 6}, {3, 6}, {7, 3}, {8, 2}, {8, 3}}) {
        t.join(a, b);
    }
    lattice_entry.number();
    const SamplingLattice lattice(lattice_entry.prepared);

    EXPECT_EQ(lattice.size(), 9);
    EXPECT_EQ(lattice.origin(), 0);
    EXPECT_EQ(lattice.max_degree(), 6);
    EXPECT_EQ(lattice.outer_shell(), 2);
    EXPECT_EQ(listed(lattice.neighbours(0)), (std::vector<std::int32_t>{1, 2, 7}));
    EXPECT_EQ(listed(lattice.neighbours(1)), (std::vector<std::int32_t>{0, 3, 4, 6}));
    EXPECT_EQ(listed(lattice.neighbours(3)), (std::vector<std::int32_t>{1, 2, 5, 6, 7, 8}));
    // 4 has one edge; 5, 6 and 8 carry the sphere's marks (NaN blocks too);
    // 7's mark 1.0 is one the generator's clean-up frees.
    const bool enterable[] = {true, true, true, true, false, false, false, true, false};
    for (int v = 0; v < 9; ++v) {
        EXPECT_EQ(lattice.enterable(v), enterable[v]) << v;
        EXPECT_EQ(lattice.on_outer_shell(v), shells[v] == 2) << v;
    }
}
