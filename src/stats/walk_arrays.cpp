// Reading a walk file into the compact arrays of an ensemble.
#include "stats/walk_arrays.h"

#include <cstdio>
#include <cstdlib>

#include "structure/mab_file.h"
#include "structure/model.h"
#include "walks/conversion.h"
#include "walks/walk_file.h"
#include "walks/walk_record.h"

namespace {

void add_walk(WalkArrays& ensemble, const WalkRecord& walk, int n) {
    ensemble.names.emplace_back(walk.name);
    ensemble.params.push_back({walk.params[0], walk.params[1], walk.params[2]});
    int missing = 0;
    for (int i = 0; i < walk.nvertices; ++i) {
        int number = walk.numbers[i];
        bool inside = number >= 1 && number <= n;
        if (!inside) ++missing;
        ensemble.vertices.push_back(inside ? number - 1 : -1);
    }
    ensemble.starts.push_back(static_cast<std::int64_t>(ensemble.vertices.size()));
    if (missing) std::fprintf(stderr, "%6d %s\n", missing, walk.name);
}

void read_records(std::FILE* fp, int n, WalkArrays& ensemble) {
    while (WalkRecord* walk = Xrdlwk(fp)) {
        add_walk(ensemble, *walk, n);
        std::free(walk);
    }
}

void read_entries(std::FILE* fp, int n, WalkArrays& ensemble) {
    while (Entry* entry = Igtmab(fp, nullptr, nullptr, nullptr, nullptr, 1)) {
        if (WalkRecord* walk = Xmablwk(entry)) {
            add_walk(ensemble, *walk, n);
            std::free(walk);
        } else {
            WalkRecord empty;
            std::snprintf(empty.name, sizeof empty.name, "%s", entry->name);
            add_walk(ensemble, empty, n);
        }
        Qdlntr(entry, nullptr);
    }
}

}  // namespace

bool read_walk_arrays(const char* name, bool mab, int n, WalkArrays& ensemble) {
    std::FILE* fp = std::fopen(name, "r");
    if (!fp) {
        std::perror(name);
        return false;
    }
    if (mab) {
        read_entries(fp, n, ensemble);
    } else {
        read_records(fp, n, ensemble);
    }
    std::fclose(fp);
    return true;
}
