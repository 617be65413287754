// The work of a probe sweep in pieces, each one batch of tours of one
// target: target 0 is Z_N(first sphere), target q >= 1 Z_N(first sphere and
// probe) with the probe at the q-th position in the grid's order. Pieces are
// numbered target by target, batch by batch; each has its own random stream,
// so that what a piece finds does not depend on the thread or process that
// runs it.
#pragma once

#include <cstdint>
#include <limits>
#include <vector>

#include "perm/random_stream.h"
#include "perm/sweep_settings.h"

enum class PieceState : std::uint8_t {
    kMissing,      // not run (yet, or by another share)
    kSampled,      // its tours have run
    kBeyondReach,  // no walk of N steps reaches a vertex the probe marks: x = 1 exactly
    kClosedOff     // the probe leaves no room for a walk of N steps: x = 0 exactly
};

struct Piece {
    PieceState state = PieceState::kMissing;
    double log_z =
        -std::numeric_limits<double>::infinity();  // ln of the batch's Z_N; -inf: no walk reached N
    long long walks = 0;                           // walks of full length
    long long steps = 0;                           // vertices placed
    long long outer_shell_walks = 0;  // walks of full length with a vertex on the outer shell
};

class SweepPieces {
public:
    SweepPieces(int positions, int batches);

    int targets() const { return targets_; }  // positions + 1
    int batches() const { return batches_; }
    long count() const { return static_cast<long>(pieces_.size()); }
    int target_of(long piece) const { return static_cast<int>(piece / batches_); }
    int batch_of(long piece) const { return static_cast<int>(piece % batches_); }

    Piece& operator[](long piece) { return pieces_[static_cast<std::size_t>(piece)]; }
    const Piece& operator[](long piece) const { return pieces_[static_cast<std::size_t>(piece)]; }
    Piece& at(int target, int batch) {
        return (*this)[static_cast<long>(target) * batches_ + batch];
    }
    const Piece& at(int target, int batch) const {
        return (*this)[static_cast<long>(target) * batches_ + batch];
    }

private:
    int targets_;
    int batches_;
    std::vector<Piece> pieces_;
};

// Share `index` (1 ... count) of a sweep run as `count` processes holds the
// pieces i with i mod count = index - 1: the batches of one position go to
// different shares, which evens out positions of unequal cost.
struct Share {
    int index = 1;
    int count = 1;
    bool holds(long piece) const { return piece % count == index - 1; }
};

// Tours per batch of a target. Z_N(first sphere) enters every position's
// ratio, so its error enters every row at once: it gets ceil(sqrt(P)) times
// the tours of a position (P positions), which for a sum over the positions
// balances its error against theirs at a cost of about 1/sqrt(P) of the run.
long long target_tours(const ProbeSweepSettings& settings, int positions, int target);

// The stream of piece (target, batch): stream `batch` of the seed that is the
// first number of stream `target` of the run's seed.
Xoshiro256 piece_stream(long long seed, int target, int batch);
