// The profile's rows with the sums over directions and distances kept for
// every replicate.
#include "sweep/profile_integration.h"

#include <cmath>
#include <limits>
#include <utility>

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// Where every walk or none touches the probe, every replicate is the same and
// the spread says nothing about the error.
bool one_sided(const FractionReplicates& f) {
    return f.free[0] == 0.0 || f.free[0] == 1.0;
}

RowEstimates& without_errors(RowEstimates& row) {
    for (Estimate* e : {&row.touched, &row.free_energy, &row.solid_angle, &row.area, &row.volume})
        e->error = kNotApplicable;
    return row;
}

ProfileRow row_of(RowKind kind, const GridPoint& step) {
    ProfileRow row;
    row.kind = kind;
    row.dist = step.dist;
    if (kind != RowKind::kDistance) row.theta = degrees(step.theta);
    return row;
}

}  // namespace

// The sums of one kind of estimate (by count or by weight), one value per
// replicate, accumulated in korvi's order so that the values on all blocks
// are korvi's to the last bit.
class ProfileIntegration::Sums {
public:
    explicit Sums(int blocks)
        : size_(static_cast<std::size_t>(blocks) + 1), ring_touched_(size_), ring_energy_(size_),
          ring_results_(size_), angle_(size_), free_(size_), total_(size_) {}

    // A position of solid angle `weight`: with a free walk its touched fraction
    // and free energy enter the sums of its polar angle; its untouched fraction
    // enters the average over directions either way. A one-sided position has
    // no error, nor has a row made of such positions only.
    RowEstimates add_position(const FractionReplicates& f, double weight) {
        const bool two_sided = !one_sided(f);
        ring_two_sided_ = ring_two_sided_ || two_sided;
        distance_two_sided_ = distance_two_sided_ || two_sided;
        total_two_sided_ = total_two_sided_ || two_sided;
        for (std::size_t r = 0; r < size_; ++r) {
            if (std::isfinite(f.free_energy[r])) {
                ring_touched_[r] += f.touched[r];
                ring_energy_[r] += f.free_energy[r];
                ring_results_[r] += 1.0;
            }
            free_[r] += weight * f.free[r];
        }
        solid_angle_ += weight;
        RowEstimates row;
        row.touched = jackknife(f.touched);
        row.free_energy = jackknife(f.free_energy);
        return two_sided ? row : without_errors(row);
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
        return std::exchange(ring_two_sided_, false) ? row : without_errors(row);
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
        return std::exchange(distance_two_sided_, false) ? row : without_errors(row);
    }

    RowEstimates total() const {
        RowEstimates row;
        row.volume = jackknife(total_);
        return total_two_sided_ ? row : without_errors(row);
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
    // Whether a position of the ring, distance or sweep saw walks both touched and free.
    bool ring_two_sided_ = false;
    bool distance_two_sided_ = false;
    bool total_two_sided_ = false;
};

ProfileIntegration::ProfileIntegration(int blocks, bool weighted)
    : counted_(std::make_unique<Sums>(blocks)),
      weighted_(weighted ? std::make_unique<Sums>(blocks) : nullptr) {}

ProfileIntegration::~ProfileIntegration() = default;

void ProfileIntegration::add(const GridPoint& step, const PositionFractions& fractions,
                             std::vector<ProfileRow>& rows) {
    if (step.position) {
        ProfileRow row = row_of(RowKind::kPosition, step);
        row.phi = degrees(step.phi);
        row.walks = fractions.walks;
        row.free = fractions.free;
        row.counted = counted_->add_position(fractions.counted, step.weight);
        if (weighted_) row.weighted = weighted_->add_position(fractions.weighted, step.weight);
        rows.push_back(row);
    }
    if (step.ring_end) {
        ProfileRow row = row_of(RowKind::kTheta, step);
        row.counted = counted_->close_ring(step.weight);
        if (weighted_) row.weighted = weighted_->close_ring(step.weight);
        rows.push_back(row);
    }
    if (step.distance_end) {
        ProfileRow row = row_of(RowKind::kDistance, step);
        row.counted = counted_->close_distance(step.dist, step.volume);
        if (weighted_) row.weighted = weighted_->close_distance(step.dist, step.volume);
        rows.push_back(row);
    }
}

ProfileRow ProfileIntegration::total() const {
    ProfileRow row;
    row.kind = RowKind::kTotal;
    row.counted = counted_->total();
    if (weighted_) row.weighted = weighted_->total();
    return row;
}
