// The walks of an ensemble held in memory as compact arrays, in file order:
// per walk its name, parameters and run of lattice vertex indices.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "walks/step_weights.h"
#include "walks/walk_index.h"

struct WalkArrays {
    std::vector<std::string> names;
    std::vector<WalkParameters> params;
    std::vector<std::int64_t> starts{0};  // walk i: positions starts[i] .. starts[i + 1] - 1
    std::vector<std::int32_t> vertices;   // vertex number - 1 per position; -1: no vertex

    int size() const { return static_cast<int>(names.size()); }
    // "walk <position in the file> (<name>)": joined files repeat names.
    std::string label(int walk) const {
        return "walk " + std::to_string(walk + 1) + " (" + names[walk] + ")";
    }
    int positions(int walk) const { return static_cast<int>(starts[walk + 1] - starts[walk]); }
    const std::int32_t* walk(int i) const { return vertices.data() + starts[i]; }
};

// Reads every walk of the file: .lwk records, or with `mab` the walk entries
// of a .mab file (an entry without atoms is a walk without positions, as the
// evaluation counts it). Vertex numbers outside 1 ... n name no vertex; a walk
// holding any is reported on standard error by its position in the file.
// Reading ends at the end of the file or at a walk the reader refuses (after
// its message). False when the file cannot be opened (system error for name).
bool read_walk_arrays(const char* name, bool mab, int n, WalkArrays& ensemble);

// The index of the walks' positions after the first that lie on one of the n
// lattice vertices.
WalkIndex index_walks(const WalkArrays& walks, int n);
