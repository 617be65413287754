// Sweep positions one by one come in the order, and with the values, in
// which the sweep scores them, over sweeps of every shape; and the sweep
// announces itself to the scorer first.
#include "driver/sweep_order.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "base/output_capture.h"

namespace {

class RecordingScorer : public PositionScorer {
public:
    bool score(const ProbePosition& probe, PositionCounts& counts) override {
        EXPECT_TRUE(expected_);
        positions.push_back(probe);
        counts = PositionCounts{};
        return true;
    }
    void expect(const SweepSettings&) override { expected_ = true; }

    std::vector<ProbePosition> positions;

private:
    bool expected_ = false;
};

bool same(const ProbePosition& a, const ProbePosition& b) {
    return a.x == b.x && a.y == b.y && a.z == b.z;
}

}  // namespace

TEST(SweepOrder, GivesThePositionsTheSweepScoresInItsOrder) {
    std::mt19937 engine(5);
    int longest = 0;
    for (int round = 0; round < 300; ++round) {
        SweepSettings settings;
        settings.shift = static_cast<float>(engine() % 6);
        settings.radius = 0.5f + static_cast<float>(engine() % 8) / 2.0f;
        settings.distance = static_cast<float>(engine() % 30) - 20.0f;
        settings.theta_count = static_cast<int>(engine() % 9) - 1;
        settings.phi_count = static_cast<int>(engine() % 11) - 1;
        const DistanceGrid grid =
            make_distance_grid(settings.distance, settings.shift, settings.radius);
        if (count_positions(settings, grid) > 20000) continue;
        RecordingScorer scorer;
        {
            OutputCapture capture;
            run_sweep(settings, scorer);
        }
        SweepOrder order(settings);
        std::vector<ProbePosition> ordered;
        ProbePosition probe{};
        while (ordered.size() <= scorer.positions.size() && order.next(&probe))
            ordered.push_back(probe);
        EXPECT_FALSE(order.next(&probe));
        ASSERT_EQ(ordered.size(), scorer.positions.size()) << round;
        for (std::size_t i = 0; i < ordered.size(); ++i)
            EXPECT_TRUE(same(ordered[i], scorer.positions[i])) << round << " " << i;
        longest = std::max(longest, static_cast<int>(ordered.size()));
    }
    EXPECT_GT(longest, 100);
}
