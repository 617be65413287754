// xoshiro256** and splitmix64 as their authors define them, and the seed of a stream.
#include "perm/random_stream.h"

namespace {

std::uint64_t rotate_left(std::uint64_t x, int k) {
    return (x << k) | (x >> (64 - k));
}

// The splitmix64 output function: a bijection that spreads every input bit.
std::uint64_t mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

constexpr std::uint64_t kGoldenGamma = 0x9e3779b97f4a7c15ULL;

}  // namespace

std::uint64_t SplitMix64::next() {
    state_ += kGoldenGamma;
    return mix(state_);
}

Xoshiro256::Xoshiro256(std::uint64_t seed) {
    SplitMix64 spread(seed);
    for (std::uint64_t& word : s_) word = spread.next();
}

std::uint64_t Xoshiro256::next() {
    const std::uint64_t result = rotate_left(s_[1] * 5, 7) * 9;
    const std::uint64_t t = s_[1] << 17;
    s_[2] ^= s_[0];
    s_[3] ^= s_[1];
    s_[1] ^= s_[2];
    s_[0] ^= s_[3];
    s_[2] ^= t;
    s_[3] = rotate_left(s_[3], 45);
    return result;
}

Xoshiro256 random_stream(std::uint64_t seed, std::uint64_t index) {
    // Mixing the seed before adding the index keeps (seed, index + 1) and
    // (seed + 1, index) apart; the second mix decorrelates the indices.
    return Xoshiro256(mix(mix(seed) + index * kGoldenGamma + 1));
}
