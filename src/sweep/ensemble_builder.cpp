// Building the walk ensemble within its budget.
#include "sweep/ensemble_builder.h"

#include <algorithm>
#include <new>
#include <utility>

#include "base/output_capture.h"
#include "sweep/walk_reader.h"
#include "walks/written_walks.h"

EnsembleBuilder::EnsembleBuilder(int limit, std::size_t budget, std::size_t file_steps)
    : limit_(limit), budget_(budget), most_steps_(budget / kEnsembleBytesPerStep) {
    // Room for every step the file can hold (within the budget), so that
    // the array never moves; pages that stay unused cost no memory.
    stored([&] { walks_.steps.reserve(std::min(file_steps, most_steps_) + 1); });
}

void EnsembleBuilder::add(const ScannedWalk& walk, OutputCapture* capture) {
    add_positions(walk.numbers, walk.count);
    const int index = ensemble_->count++;
    keep_printed(capture, index);
    if (missing_) keep({index, {true, unresolved_report(missing_, walk.name)}});
    missing_ = 0;
    if (over_budget_) return;
    const bool kept = stored([&] {
        walks_.ends.push_back(walks_.steps.size());
        ensemble_->strength.push_back(walk.params[0]);
        ensemble_->distance.push_back(walk.params[1]);
    });
    if (!kept) return;
    over_budget_ = walks_.steps.size() * kEnsembleBytesPerStep +
                       walks_.ends.size() * kEnsembleBytesPerWalk + printed_bytes_ >
                   budget_;
}

// A number outside 1 ... limit has no vertex; the steps are the numbers
// after the first, less one.
void EnsembleBuilder::add_positions(const int* numbers, int count) {
    for (int i = 0; i < count; ++i) {
        largest_ = std::max(largest_, numbers[i]);
        if (numbers[i] < 1 || numbers[i] > limit_) {
            ++missing_;
        } else if (i > 0 && !over_budget_) {
            over_budget_ = walks_.steps.size() >= most_steps_;
            walks_.steps.push_back(numbers[i] - 1);
        }
    }
}

std::unique_ptr<WalkEnsemble> EnsembleBuilder::finish(OutputCapture* capture, int n) {
    keep_printed(capture, ensemble_->count);
    if (over_budget_) return nullptr;
    const bool indexed = stored([&] {
        if (indexed_) {
            ensemble_->index.cover(n);
        } else {
            find_runs();
            ensemble_->index = WalkIndex(n, std::move(walks_));
        }
    });
    return indexed ? std::move(ensemble_) : nullptr;
}

void EnsembleBuilder::index_ahead() {
    if (over_budget_ || static_cast<std::size_t>(largest_) > walks_.steps.size()) return;
    stored([&] {
        find_runs();
        ensemble_->index = WalkIndex(largest_, std::move(walks_));
        indexed_ = true;
    });
}

// Runs `store`; memory the system refuses for it puts the building over the
// budget. True when it was stored.
template <typename Store>
bool EnsembleBuilder::stored(Store store) {
    try {
        store();
        return true;
    } catch (const std::bad_alloc&) {
        over_budget_ = true;
        return false;
    }
}

void EnsembleBuilder::keep_printed(OutputCapture* capture, int walk) {
    if (!capture) return;
    for (PrintedText& printed : capture->take()) keep({walk, std::move(printed)});
}

void EnsembleBuilder::keep(Passage passage) {
    if (over_budget_) return;
    printed_bytes_ += sizeof passage + passage.printed.text.size();
    stored([&] { ensemble_->passages.push_back(std::move(passage)); });
}

void EnsembleBuilder::find_runs() {
    const std::vector<float>& s = ensemble_->strength;
    const std::vector<float>& d = ensemble_->distance;
    for (std::size_t w = 0; w < s.size(); ++w)
        if (w == 0 || !(s[w] == s[w - 1] && d[w] == d[w - 1]))
            ensemble_->run_starts.push_back(static_cast<int>(w));
}
