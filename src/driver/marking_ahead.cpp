// Marking probe positions ahead of the scoring.
#include "driver/marking_ahead.h"

#include <cassert>

#include "structure/model.h"

namespace {

// Positions marked ahead at most: their marks wait in as many slots.
constexpr long kSlots = 32;

void pause_briefly() {
#if defined(__x86_64__) || defined(__i386__)
    __builtin_ia32_pause();
#endif
}

}  // namespace

MarkingAhead::MarkingAhead(ProbeMarking& marking, Atom* sphere_atom, float radius,
                           const SweepOrder& order)
    : marking_(marking),
      sphere_atom_(sphere_atom),
      radius_(radius),
      slots_(static_cast<std::size_t>(kSlots)),
      order_(order) {
    if (cpus_allowed() > 1) thread_.start([this] { run_ahead(); });
}

MarkingAhead::~MarkingAhead() {
    stop_ = true;
    // A change of the count the side thread may be about to wait on: it
    // cannot wait then.
    taken_.fetch_add(1);
    taken_.notify_all();
    thread_.join();
}

const ProbeMarks& MarkingAhead::take(const ProbePosition& probe, const OccupancyCounts** counts) {
    if (holding_) {
        // Done with the last position: its slot is free again. The side
        // thread, waiting for room, is woken once half the slots are free.
        taken_.fetch_add(1);
        if (waiting_ && marked_.load() - taken_.load() <= kSlots / 2 && waiting_.exchange(false))
            taken_.notify_one();
    }
    const long position = taken_.load(std::memory_order_relaxed);
    // The side thread marks one position at a time under the lock: spin
    // until this one is marked, marking it here when the lock is free.
    while (marked_.load(std::memory_order_acquire) <= position) {
        if (marker_.try_lock()) {
            if (marked_.load(std::memory_order_relaxed) <= position) mark_next(&probe);
            marker_.unlock();
        } else {
            pause_briefly();
        }
    }
    holding_ = true;
    const Slot& slot = slots_[static_cast<std::size_t>(position % kSlots)];
    assert(slot.probe.x == probe.x && slot.probe.y == probe.y && slot.probe.z == probe.z);
    *counts = slot.lattice ? &slot.marks.counts : nullptr;
    return slot.marks;
}

void MarkingAhead::run_ahead() {
    while (!stop_) {
        if (!has_room()) {
            waiting_ = true;
            const long taken = taken_.load();
            // Room made before the flag was seen is found here.
            if (!has_room() && !stop_) taken_.wait(taken);
            waiting_ = false;
            continue;
        }
        if (!marker_.try_lock()) {
            pause_briefly();
            continue;
        }
        const bool ended = ended_;
        if (!ended && has_room()) mark_next(nullptr);
        marker_.unlock();
        if (ended) return;
    }
}

bool MarkingAhead::has_room() const {
    return marked_.load() - taken_.load() < kSlots;
}

// Under the lock: marks the next position of the order into its slot. Past
// the order's end, or after a position that ended the run, the side thread
// marks nothing more, and a taker that still asks has its own position
// (`asked`) marked, as the scorer would mark it.
void MarkingAhead::mark_next(const ProbePosition* asked) {
    const long position = marked_.load(std::memory_order_relaxed);
    Slot& slot = slots_[static_cast<std::size_t>(position % kSlots)];
    if (ended_ || !order_.next(&slot.probe)) {
        ended_ = true;
        if (!asked) return;
        slot.probe = *asked;
    }
    sphere_atom_->x = slot.probe.x;
    sphere_atom_->y = slot.probe.y;
    sphere_atom_->z = slot.probe.z;
    const OccupancyCounts* counts = marking_.find(radius_, 0, &slot.marks);
    slot.lattice = counts != nullptr;
    // Counts that end the run make this position the last.
    ended_ = ended_ || !counts || counts->first_steps < 1;
    marked_.store(position + 1, std::memory_order_release);
}
