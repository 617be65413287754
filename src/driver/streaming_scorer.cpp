// Scores a probe position by a full sphere exclusion and a fresh pass over
// the walk file.
#include "driver/streaming_scorer.h"

#include <cstdlib>

#include "driver/lattice_run.h"
#include "structure/mab_file.h"
#include "structure/model.h"
#include "walks/scoring.h"
#include "walks/walk_file.h"
#include "walks/walk_record.h"

namespace {

// The vertex of a walk's vertex number, or null outside 1..n.
Atom* vertex_of(const LatticeRun& run, int number) {
    if (number < 1 || number > run.prepared.n) return nullptr;
    return run.prepared.table[number - 1];
}

}  // namespace

bool StreamingScorer::score(const ProbePosition& probe, PositionCounts& counts) {
    run_.sphere_atom->x = probe.x;
    run_.sphere_atom->y = probe.y;
    run_.sphere_atom->z = probe.z;
    int first_steps = 0;
    if (!exclude_sphere(run_, radius_, verbose_, &first_steps)) return false;
    counts = PositionCounts{};
    if (!walks_) return true;
    std::rewind(walks_);
    if (mab_) {
        read_entries(counts);
    } else {
        read_records(counts);
    }
    return true;
}

// Reports a walk's vertex numbers outside the lattice, counts it, and counts
// it as free when it does not touch the probe.
void StreamingScorer::count_walk(const char* name, int missing, bool hit_free, int amp, int dist,
                                 PositionCounts& counts) {
    if (missing) std::fputs(unresolved_report(missing, name).c_str(), stderr);
    ++counts.walks;
    if ((amp != 0 || dist != 0) && verbose_) print_new_parameters(counts.walks, amp, dist);
    if (hit_free) ++counts.free;
}

void StreamingScorer::read_records(PositionCounts& counts) {
    while (WalkRecord* walk = Xrdlwk(walks_)) {
        int missing = 0;
        for (int i = 0; i < walk->nvertices; ++i) {
            walk->vertices[i] = vertex_of(run_, walk->numbers[i]);
            if (!walk->vertices[i]) ++missing;
        }
        WalkHit hit = Xlwkhit(walk, walk->nvertices);
        count_walk(walk->name, missing, hit.hits == 0, hit.amp, hit.dist, counts);
        std::free(walk);
    }
}

void StreamingScorer::read_entries(PositionCounts& counts) {
    while (Entry* walk = Igtmab(walks_, nullptr, nullptr, nullptr, nullptr, 1)) {
        int missing = 0;
        for (Atom* a = first_atom(walk); !atom_end(walk, a); a = a->next) {
            Atom* vertex = vertex_of(run_, a->selection);
            set_walk_vertex(a, vertex);
            if (!vertex) ++missing;
        }
        WalkHit hit = Xlwkhit(walk);
        count_walk(walk->name, missing, hit.hits == 0, hit.amp, hit.dist, counts);
        Qdlntr(walk, nullptr);
    }
}
