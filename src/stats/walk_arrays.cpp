// Reading a walk file into the compact arrays of an ensemble, through the
// evaluation's walk reader.
#include "stats/walk_arrays.h"

#include <cstdio>
#include <utility>

#include "sweep/walk_reader.h"

bool read_walk_arrays(const char* name, bool mab, int n, WalkArrays& ensemble) {
    std::FILE* fp = std::fopen(name, "r");
    if (!fp) {
        std::perror(name);
        return false;
    }
    read_walks(fp, mab, n, [&](ReadWalk& read) {
        const ScannedWalk& walk = read.walk;
        ensemble.names.emplace_back(walk.name);
        ensemble.params.push_back({walk.params[0], walk.params[1], walk.params[2]});
        for (int i = 0; i < walk.count; ++i) {
            const int number = walk.numbers[i];
            ensemble.vertices.push_back(number >= 1 && number <= n ? number - 1 : -1);
        }
        ensemble.starts.push_back(static_cast<std::int64_t>(ensemble.vertices.size()));
        if (read.missing)
            std::fprintf(stderr, "%s names no lattice vertex at %d of its %d positions\n",
                         ensemble.label(ensemble.size() - 1).c_str(), read.missing, walk.count);
    });
    std::fclose(fp);
    return true;
}

WalkIndex index_walks(const WalkArrays& walks, int n) {
    WalkSteps steps;
    for (int i = 0; i < walks.size(); ++i) {
        const std::int32_t* walk = walks.walk(i);
        for (int k = 1; k < walks.positions(i); ++k)
            if (walk[k] >= 0) steps.steps.push_back(walk[k]);
        steps.ends.push_back(steps.steps.size());
    }
    return WalkIndex(n, std::move(steps));
}
