// The probe's marks for the positions of a sweep worked out ahead, in the
// sweep's order, on a side thread while the scorer takes those of earlier
// positions: the marking needs nothing of the walks and takes about a third
// of a position's time. Each position is marked once, by one thread at a
// time, in order, so the lattice goes through the same states as when the
// scorer marks position by position.
#pragma once

#include <atomic>
#include <mutex>
#include <vector>

#include "base/side_thread.h"
#include "driver/probe_marking.h"
#include "driver/sweep_order.h"

struct Atom;

class MarkingAhead {
public:
    // Marks with `marking`, the probe's atom moved to each position of
    // `order`, without the exclusion's progress lines. Starts a side thread
    // where the process may use more than one CPU; without one, take marks
    // each position itself.
    MarkingAhead(ProbeMarking& marking, Atom* sphere_atom, float radius, const SweepOrder& order);
    // Stops the marking ahead and waits for it.
    ~MarkingAhead();
    MarkingAhead(const MarkingAhead&) = delete;
    MarkingAhead& operator=(const MarkingAhead&) = delete;

    // The marks of the next position in the order, which must be `probe`,
    // valid until the next call; *counts receives what ProbeMarking::find
    // returned for it. Marks the position here when the side thread has not
    // come to it yet. A position whose counts end the run is the last marked.
    const ProbeMarks& take(const ProbePosition& probe, const OccupancyCounts** counts);

private:
    struct Slot {
        ProbePosition probe{};
        ProbeMarks marks;
        bool lattice = false;  // the counts were found
    };

    void run_ahead();
    bool has_room() const;
    void mark_next(const ProbePosition* asked);

    ProbeMarking& marking_;
    Atom* sphere_atom_;
    float radius_;
    std::vector<Slot> slots_;  // a ring: position k in slot k % size
    // One marker at a time: whoever holds the lock marks the next position.
    std::mutex marker_;
    SweepOrder order_;    // under marker_
    bool ended_ = false;  // under marker_: no position left to mark
    std::atomic<long> marked_{0};  // positions marked
    std::atomic<long> taken_{0};   // positions taken and done with
    bool holding_ = false;         // the taker holds position taken_
    std::atomic<bool> waiting_{false};  // the side thread waits for room
    std::atomic<bool> stop_{false};
    SideThread thread_;
};
