// Scoring from memory, and the choice between it and the streaming scorer.
#include "sweep/indexed_scorer.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <climits>
#include <new>

#include "sweep/placed_lattice.h"
#include "sweep/streaming_scorer.h"
#include "walks/scoring.h"

namespace {

// The first walk of from ... to - 1 whose bit is clear, or `to`.
int first_free(const std::vector<std::uint64_t>& touched, int from, int to) {
    int w = from;
    while (w < to) {
        const std::uint64_t free = ~touched[static_cast<std::size_t>(w / 64)] >> (w % 64);
        if (free) return std::min(to, w + std::countr_zero(free));
        w = (w / 64 + 1) * 64;
    }
    return to;
}

}  // namespace

IndexedScorer::IndexedScorer(PlacedLattice& lattice, std::unique_ptr<WalkEnsemble> walks,
                             float radius, bool verbose)
    : verbose_(verbose), marking_(lattice, radius, verbose) {
    set_walks(std::move(walks));
}

void IndexedScorer::set_walks(std::unique_ptr<WalkEnsemble> walks) {
    walks_ = std::move(walks);
    touched_.assign(walks_ ? walks_->index.words() : 0, 0);
}

bool IndexedScorer::score(const ProbePosition& probe, PositionCounts& counts) {
    if (!marking_.mark(probe)) return false;
    counts = PositionCounts{};
    if (!walks_) return true;
    walks_->index.walks_at(marking_.marked(), touched_.data());
    counts.walks = walks_->count;
    counts.free = walks_->count - walks_->index.count(touched_.data());
    replay_reports();
    return true;
}

// The free walks report their parameters to Xlwkhit's remembered pair in
// walk order. Within a run of equal pairs only the first free walk can differ
// from the pair remembered, so it alone is asked. The reports are printed
// among the passages in the place of their walk.
void IndexedScorer::replay_reports() {
    const std::vector<Passage>& passages = walks_->passages;
    std::size_t next = 0;
    auto print_through = [&](int walk) {
        for (; next < passages.size() && passages[next].walk <= walk; ++next)
            print_again(passages[next].printed);
    };
    const std::vector<int>& runs = walks_->run_starts;
    for (std::size_t r = 0; r < runs.size(); ++r) {
        const int end = r + 1 < runs.size() ? runs[r + 1] : walks_->count;
        const int walk = first_free(touched_, runs[r], end);
        if (walk == end) continue;
        const WalkHit hit = report_free_walk(walks_->strength[walk], walks_->distance[walk]);
        if ((hit.amp != 0 || hit.dist != 0) && verbose_) {
            print_through(walk);
            print_new_parameters(walk + 1, hit.amp, hit.dist);
        }
    }
    print_through(INT_MAX);
}

std::size_t default_walk_budget() {
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long page_size = sysconf(_SC_PAGESIZE);
    if (pages <= 0 || page_size <= 0) return std::size_t{1} << 30;
    return static_cast<std::size_t>(pages) * static_cast<std::size_t>(page_size) / 4;
}

std::unique_ptr<PositionScorer> choose_scorer(PlacedLattice& lattice, std::FILE* walks, bool mab,
                                              float radius, bool verbose, std::size_t budget,
                                              EarlyWalkScan* early) {
    if (budget > 0) {
        if (!walks) return std::make_unique<IndexedScorer>(lattice, nullptr, radius, verbose);
        struct stat status {};
        if (fstat(fileno(walks), &status) == 0 && S_ISREG(status.st_mode)) {
            // The scorer's own set-up, which changes nothing, comes first:
            // it runs while an early reading of the walk file ends. Without
            // memory for it or for the walks, the sweep streams.
            try {
                auto scorer = std::make_unique<IndexedScorer>(lattice, nullptr, radius, verbose);
                if (auto ensemble =
                        read_walk_ensemble(walks, mab, lattice.prepared.n, budget, early)) {
                    scorer->set_walks(std::move(ensemble));
                    return scorer;
                }
            } catch (const std::bad_alloc&) {
            }
        }
    }
    return std::make_unique<StreamingScorer>(lattice, walks, mab, radius, verbose);
}
