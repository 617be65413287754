// The sampler's random numbers: xoshiro256** seeded through splitmix64, with
// independent streams derived from a run's seed and a stream index, so that
// output depends on the seed alone and never on how streams meet threads.
#pragma once

#include <array>
#include <cstdint>

// The splitmix64 sequence: a 64-bit counter stepped by the golden-ratio
// increment and mixed; used to spread a seed over the generator's state.
class SplitMix64 {
public:
    explicit SplitMix64(std::uint64_t state) : state_(state) {}
    std::uint64_t next();

private:
    std::uint64_t state_;
};

// xoshiro256**: 256 bits of state, period 2^256 - 1.
class Xoshiro256 {
public:
    // The state is four successive outputs of splitmix64 started at `seed`,
    // which is never all zero.
    explicit Xoshiro256(std::uint64_t seed);

    std::uint64_t next();

    // Uniform in [0, 1): the top 53 bits as a double.
    double uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

private:
    std::array<std::uint64_t, 4> s_;
};

// The generator of stream `index` of the run seeded with `seed`: the pair is
// mixed into one splitmix64 seed, so neighbouring seeds and indices give
// unrelated states.
Xoshiro256 random_stream(std::uint64_t seed, std::uint64_t index);
