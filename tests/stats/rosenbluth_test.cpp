// Rosenbluth weights by hand on a small cube: the candidates each step counts
// and the walks refused. The weights with interaction and torsion are checked
// against exact enumeration in exact_weights_test.cpp.
#include "stats/rosenbluth.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/lattices.h"

namespace {

constexpr float kSpacing = 1.532f;

// The 3 x 3 x 3 cube around the origin: the origin has 6 neighbours, a face
// centre 5, an edge 4 and a corner 3.
class Cube {
public:
    Cube() {
        build_cubic(lattice, 1, kSpacing);
        view.table = lattice.vertices.data();
        view.n = lattice.size();
        view.origin = lattice[0];
    }

    Atom* at(int i, int j, int k) const {
        for (Atom* v : lattice.vertices)
            if (v->x == i * kSpacing && v->y == j * kSpacing && v->z == k * kSpacing) return v;
        return nullptr;
    }

    // Adds a walk through the points given, with the parameters.
    void walk(std::initializer_list<std::array<int, 3>> points, WalkParameters params = {}) {
        walks.names.push_back("w" + std::to_string(walks.size() + 1));
        walks.params.push_back(params);
        for (const auto& p : points)
            walks.vertices.push_back(static_cast<int>(at(p[0], p[1], p[2])->serial) - 1);
        walks.starts.push_back(static_cast<std::int64_t>(walks.vertices.size()));
    }

    bool weigh() { return rosenbluth_log_weights(view, walks, log_weights, problem); }

    TestLattice lattice;
    PreparedLattice view;
    WalkArrays walks;
    std::vector<double> log_weights;
    std::string problem;
};

}  // namespace

TEST(Rosenbluth, SphereMarksAndDeadEndsOfTheBorderAreNoCandidates) {
    Cube cube;
    cube.at(1, 1, 1)->occupancy = 3.0f;                       // occupied by the first sphere
    cube.at(1, 1, -1)->occupancy = 4.0f;                      // shut in
    cube.walk({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}});  // 6 * 4 * 1
    ASSERT_TRUE(cube.weigh()) << cube.problem;
    EXPECT_NEAR(cube.log_weights[0], std::log(24.0), 1e-12);

    cube.walk({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {1, 1, 1}});
    EXPECT_FALSE(cube.weigh());
    EXPECT_EQ(cube.problem,
              "walk 2 (w2) cannot have grown with these settings: its step 3 to vertex " +
                  std::to_string(cube.at(1, 1, 1)->serial) + " was not free");
}

TEST(Rosenbluth, WeightsApplyToWalksOfOneLengthAndOneSetOfParameters) {
    Cube uniform;  // a strength without distance is no interaction
    uniform.walk({{0, 0, 0}, {1, 0, 0}}, {0.5f, 0.0f, 0.0f});
    uniform.walk({{0, 0, 0}, {0, 1, 0}});
    ASSERT_TRUE(uniform.weigh()) << uniform.problem;
    EXPECT_NEAR(uniform.log_weights[0], std::log(6.0), 1e-12);
    Cube mixed;
    mixed.walk({{0, 0, 0}, {1, 0, 0}});
    mixed.walk({{0, 0, 0}, {1, 0, 0}}, {0.5f, 2.0f, 0.0f});
    EXPECT_FALSE(mixed.weigh());
    EXPECT_EQ(mixed.problem, "the walks grew with different parameters (walk 1 (w1): strength 0, "
                             "distance 0, gauche-trans energy 0; walk 2 (w2): strength 0.5, "
                             "distance 2, gauche-trans energy 0)");
    Cube lengths;
    lengths.walk({{0, 0, 0}, {1, 0, 0}});
    lengths.walk({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}});
    EXPECT_FALSE(lengths.weigh());
    EXPECT_EQ(lengths.problem, "the walks differ in length (walk 1 (w1): 1 steps, walk 2 (w2): 2)");
    Cube infinite;
    infinite.walk({{0, 0, 0}, {1, 0, 0}}, {0.0f, 0.0f, -1000.0f});
    EXPECT_FALSE(infinite.weigh());
    EXPECT_EQ(infinite.problem, "the walks' parameters (strength 0, distance 0, gauche-trans "
                                "energy -1000) give step weights that are not finite");
}
