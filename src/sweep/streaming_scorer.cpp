// Scores a probe position by a full sphere exclusion and a fresh pass over
// the walk file.
#include "sweep/streaming_scorer.h"

#include "structure/model.h"
#include "sweep/placed_lattice.h"
#include "sweep/walk_reader.h"
#include "walks/scoring.h"
#include "walks/walk_record.h"

bool StreamingScorer::score(const ProbePosition& probe, PositionCounts& counts) {
    lattice_.put_sphere(probe.x, probe.y, probe.z);
    if (!exclude_sphere(lattice_, radius_, verbose_)) return false;
    counts = PositionCounts{};
    if (!walks_) return true;
    std::rewind(walks_);
    const PreparedLattice& table = lattice_.prepared;
    auto vertex_of = [&](int number) {
        return number >= 1 && number <= table.n ? table.table[number - 1] : nullptr;
    };
    // Each walk's vertex numbers are resolved through the vertex table (none
    // outside 1 ... n); a walk that does not touch the probe is free.
    read_walks(walks_, mab_, table.n, [&](ReadWalk& read) {
        WalkHit hit;
        if (read.record) {
            WalkRecord* walk = read.record;
            for (int i = 0; i < walk->nvertices; ++i)
                walk->vertices[i] = vertex_of(walk->numbers[i]);
            hit = Xlwkhit(walk, walk->nvertices);
        } else {
            for (Atom* a = first_atom(read.entry); !atom_end(read.entry, a); a = a->next)
                set_walk_vertex(a, vertex_of(a->selection));
            hit = Xlwkhit(read.entry);
        }
        if (read.missing)
            std::fputs(unresolved_report(read.missing, read.walk.name).c_str(), stderr);
        ++counts.walks;
        if ((hit.amp != 0 || hit.dist != 0) && verbose_)
            print_new_parameters(counts.walks, hit.amp, hit.dist);
        if (hit.hits == 0) ++counts.free;
    });
    return true;
}
