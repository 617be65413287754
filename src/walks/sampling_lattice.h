// The lattice as the sampler reads it: compact arrays indexed by vertex index
// (vertex number - 1), built once from a placed and numbered lattice entry and
// then only read, so that any number of threads can share it.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "lattice/enumeration.h"

class SamplingLattice {
public:
    // The lattice as prepare_lattice left it, and as the first sphere's
    // exclusion (Xltocc) marked it when there is one. A vertex can be entered
    // when it has two or more edges and a mark the walk generator's clean-up
    // frees (below 2.0): free vertices, but not those the sphere occupies or
    // shuts in. Distances to the sphere come from `charge`.
    explicit SamplingLattice(const PreparedLattice& lattice);

    int size() const { return static_cast<int>(enterable_.size()); }
    int origin() const { return origin_; }  // -1: no vertex of shell 0
    int max_degree() const { return max_degree_; }
    int outer_shell() const { return outer_shell_; }  // the largest shell number of a vertex

    // The neighbours of v in bond-slot order.
    std::span<const std::int32_t> neighbours(int v) const {
        return {next_.data() + first_[v], next_.data() + first_[v + 1]};
    }
    bool enterable(int v) const { return enterable_[v] != 0; }
    const std::vector<std::uint8_t>& enterable_flags() const { return enterable_; }
    float charge(int v) const { return charge_[v]; }  // distance to the first sphere
    const float* position(int v) const { return &position_[3 * static_cast<std::size_t>(v)]; }
    bool on_outer_shell(int v) const { return outer_[v] != 0; }
    // The vertex number (serial), which the enumeration makes index + 1.
    std::int32_t number(int v) const { return v + 1; }

private:
    std::vector<std::int32_t> first_;  // neighbours of v: next_[first_[v] .. first_[v + 1] - 1]
    std::vector<std::int32_t> next_;
    std::vector<std::uint8_t> enterable_;
    std::vector<float> charge_;
    std::vector<float> position_;       // x, y, z of each vertex
    std::vector<std::uint8_t> outer_;   // shell equal to the largest shell of the lattice
    int origin_ = -1;
    int max_degree_ = 0;
    int outer_shell_ = 0;
};
