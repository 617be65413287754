// The sweep over korvi's grid with the sums over directions and distances
// kept for all blocks and for each left-out block alike.
#include "stats/stats_sweep.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "cli/progress.h"

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// The sums of one kind of estimate (by count or by weight), one value per
// replicate, accumulated in korvi's order so that the values on all blocks
// are korvi's to the last bit.
class Integrals {
public:
    explicit Integrals(int blocks)
        : size_(static_cast<std::size_t>(blocks) + 1), ring_touched_(size_), ring_energy_(size_),
          ring_results_(size_), angle_(size_), free_(size_), total_(size_) {}

    // A position of solid angle `weight`: with a free walk its touched fraction
    // and free energy enter the sums of its polar angle; its untouched fraction
    // enters the average over directions either way.
    void add_position(const FractionReplicates& f, double weight) {
        for (std::size_t r = 0; r < size_; ++r) {
            if (std::isfinite(f.free_energy[r])) {
                ring_touched_[r] += f.touched[r];
                ring_energy_[r] += f.free_energy[r];
                ring_results_[r] += 1.0;
            }
            free_[r] += weight * f.free[r];
        }
        solid_angle_ += weight;
    }

    RowEstimates close_ring(double weight) {
        Replicates excluded(size_), mean(size_);
        for (std::size_t r = 0; r < size_; ++r) {
            angle_[r] += weight * ring_touched_[r];
            excluded[r] = weight * ring_touched_[r];
            mean[r] = ring_results_[r] != 0.0 ? ring_energy_[r] / ring_results_[r] : kInfinity;
        }
        ring_touched_.assign(size_, 0.0);
        ring_energy_.assign(size_, 0.0);
        ring_results_.assign(size_, 0.0);
        RowEstimates row;
        row.solid_angle = jackknife(excluded);
        row.free_energy = jackknife(mean);
        return row;
    }

    RowEstimates close_distance(float dist, double volume) {
        Replicates area(size_), shell(size_), energy(size_);
        for (std::size_t r = 0; r < size_; ++r) {
            area[r] = angle_[r] * static_cast<double>(dist) * static_cast<double>(dist);
            shell[r] = volume * angle_[r];
            total_[r] += volume * angle_[r];
            energy[r] = -std::log(free_[r] / solid_angle_);
        }
        RowEstimates row;
        row.solid_angle = jackknife(angle_);
        row.area = jackknife(area);
        row.volume = jackknife(shell);
        row.free_energy = jackknife(energy);
        angle_.assign(size_, 0.0);
        free_.assign(size_, 0.0);
        solid_angle_ = 0.0;
        return row;
    }

    RowEstimates total() const {
        RowEstimates row;
        row.volume = jackknife(total_);
        return row;
    }

private:
    std::size_t size_;
    Replicates ring_touched_;   // S1
    Replicates ring_energy_;    // S2
    Replicates ring_results_;   // m
    Replicates angle_;          // A
    Replicates free_;           // Σ weight · x over the directions of a distance
    double solid_angle_ = 0.0;  // Σ weight over them
    Replicates total_;
};

class Sweep {
public:
    Sweep(const SweepSettings& settings, TouchFinder& finder, const WalkBlocks& blocks,
          std::vector<StatsRow>& rows, SweepSummary& summary)
        : settings_(settings), finder_(finder), blocks_(blocks), rows_(rows), summary_(summary),
          counted_(blocks.count), weighted_(blocks.count) {}

    bool run() {
        DistanceGrid grid =
            make_distance_grid(settings_.distance, settings_.shift, settings_.radius);
        if (!grid_has_distances(settings_, grid)) return false;
        summary_.distances = grid.count;
        if (progress_enabled()) progress_begin("positions", count_positions(settings_, grid));
        for (int i = 0; i < grid.count; ++i) {
            float dist = grid_distance(grid, i);
            if (!distance(dist, grid.first)) return false;
            StatsRow row = row_of(RowKind::kDistance, dist);
            double volume = shell_volume(grid, i, dist);
            row.counted = counted_.close_distance(dist, volume);
            if (blocks_.weighted) row.weighted = weighted_.close_distance(dist, volume);
            rows_.push_back(row);
        }
        StatsRow total = row_of(RowKind::kTotal, kNotApplicable);
        total.counted = counted_.total();
        if (blocks_.weighted) total.weighted = weighted_.total();
        rows_.push_back(total);
        return true;
    }

private:
    static StatsRow row_of(RowKind kind, double dist) {
        StatsRow row;
        row.kind = kind;
        row.dist = dist;
        return row;
    }

    bool distance(float dist, float first) {
        int thetas = theta_count(settings_.theta_count, dist, first, settings_.radius);
        float dtheta = theta_step(thetas);
        for (int j = 0; j < thetas; ++j) {
            ThetaRing ring =
                theta_ring(j, thetas, dtheta, settings_.phi_count, dist, first, settings_.radius);
            for (int k = 0; k < ring.positions; ++k)
                if (!position(dist, ring, ring.phi(k))) return false;
            StatsRow row = row_of(RowKind::kTheta, dist);
            row.theta = degrees(ring.theta);
            row.counted = counted_.close_ring(ring.weight);
            if (blocks_.weighted) row.weighted = weighted_.close_ring(ring.weight);
            rows_.push_back(row);
        }
        return true;
    }

    bool position(float dist, const ThetaRing& ring, float phi) {
        progress_update(summary_.positions++);
        if (!finder_.find(probe_position(dist, ring.theta, phi), touched_)) return false;
        FreeSums sums = free_sums(blocks_, touched_);
        StatsRow row = row_of(RowKind::kPosition, dist);
        row.theta = degrees(ring.theta);
        row.phi = degrees(phi);
        row.walks = static_cast<int>(touched_.size());
        row.free = 0;
        for (int count : sums.counts) row.free += count;
        if (row.free == 0) ++summary_.blocked;
        FractionReplicates counted = counted_fractions(blocks_, sums);
        counted_.add_position(counted, ring.weight);
        row.counted.touched = jackknife(counted.touched);
        row.counted.free_energy = jackknife(counted.free_energy);
        if (blocks_.weighted) {
            FractionReplicates weighted = weighted_fractions(blocks_, sums);
            weighted_.add_position(weighted, ring.weight);
            row.weighted.touched = jackknife(weighted.touched);
            row.weighted.free_energy = jackknife(weighted.free_energy);
        }
        rows_.push_back(row);
        return true;
    }

    const SweepSettings& settings_;
    TouchFinder& finder_;
    const WalkBlocks& blocks_;
    std::vector<StatsRow>& rows_;
    SweepSummary& summary_;
    Integrals counted_;
    Integrals weighted_;
    std::vector<std::uint8_t> touched_;
};

}  // namespace

bool sweep_statistics(const SweepSettings& settings, TouchFinder& finder, const WalkBlocks& blocks,
                      std::vector<StatsRow>& rows, SweepSummary& summary) {
    return Sweep(settings, finder, blocks, rows, summary).run();
}
