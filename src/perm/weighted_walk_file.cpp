// Writing weighted walks with their weight lines, and the choice of a tour's
// walks by weight.
#include "perm/weighted_walk_file.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "perm/children.h"
#include "perm/random_stream.h"
#include "walks/walk_file.h"
#include "walks/walk_record.h"
#include "walks/weight_lines.h"

namespace {

// ln(e^a + e^b), exact when either is -inf.
double log_add(double a, double b) {
    if (a < b) std::swap(a, b);
    if (b == -std::numeric_limits<double>::infinity()) return a;
    return a + std::log1p(std::exp(b - a));
}

}  // namespace

WeightedWalkFile::WeightedWalkFile(std::FILE* fp, const SamplingLattice& lattice,
                                   WalkParameters parameters, int steps, int per_tour,
                                   std::uint64_t seed, std::string header)
    : fp_(fp),
      lattice_(lattice),
      per_tour_(per_tour),
      seed_(seed),
      header_(std::move(header)),
      record_(Xnslwk(steps + 1)) {
    record_->nvertices = steps + 1;
    record_->params[0] = parameters.strength;
    record_->params[1] = parameters.range;
    record_->params[2] = parameters.gauche_energy;
}

WeightedWalkFile::~WeightedWalkFile() {
    std::free(record_);
}

void WeightedWalkFile::take(const FinishedWalk& walk) {
    if (per_tour_ <= 0) {
        write(walk.vertices, walk.tour, walk.log_weight);
        return;
    }
    if (walk.tour != held_tour_) write_held_tour();
    held_tour_ = walk.tour;
    held_vertices_.insert(held_vertices_.end(), walk.vertices.begin(), walk.vertices.end());
    held_log_weights_.push_back(walk.log_weight);
}

void WeightedWalkFile::finish() {
    write_held_tour();
}

double WeightedWalkFile::effective_walks() const {
    if (written_ == 0) return 0.0;
    return std::exp(2.0 * log_sum_ - log_square_sum_);
}

void WeightedWalkFile::write(std::span<const std::int32_t> vertices, long long tour,
                             double log_weight) {
    ++written_;
    std::snprintf(record_->name, sizeof record_->name, "wlk%lld", written_);
    for (std::size_t i = 0; i < vertices.size(); ++i)
        record_->numbers[i] = lattice_.number(vertices[i]);
    std::string comment = weight_comment(log_weight, tour);
    if (written_ == 1 && !header_.empty()) comment = header_ + "\n" + comment;
    Xwrlwk(fp_, record_, comment.c_str());
    log_sum_ = log_add(log_sum_, log_weight);
    log_square_sum_ = log_add(log_square_sum_, 2.0 * log_weight);
}

// Weights relative to the tour's largest keep the choice within range for
// walks of any length.
void WeightedWalkFile::write_held_tour() {
    const auto count = static_cast<int>(held_log_weights_.size());
    if (count == 0) return;
    const std::size_t length = held_vertices_.size() / held_log_weights_.size();
    auto vertices = [&](int j) {
        return std::span<const std::int32_t>(held_vertices_).subspan(j * length, length);
    };
    if (count <= per_tour_) {
        for (int j = 0; j < count; ++j) write(vertices(j), held_tour_, held_log_weights_[j]);
    } else {
        const double top = *std::max_element(held_log_weights_.begin(), held_log_weights_.end());
        std::vector<Candidate> candidates;
        for (int j = 0; j < count; ++j) {
            const double w = std::exp(held_log_weights_[j] - top);
            candidates.push_back({j, w, w});
        }
        std::vector<Child> chosen(candidates.size());
        Xoshiro256 random = random_stream(seed_, kThinningStreams + static_cast<std::uint64_t>(held_tour_));
        const int taken = choose_children(candidates, per_tour_, random.uniform(), chosen.data());
        for (int c = 0; c < taken; ++c)
            write(vertices(chosen[c].vertex), held_tour_, top + std::log(chosen[c].factor));
    }
    held_vertices_.clear();
    held_log_weights_.clear();
}
