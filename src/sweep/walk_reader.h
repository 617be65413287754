// The walks of an open walk file read one at a time, as every reading of the
// evaluation reads them: .lwk records with Xrdlwk, or .mab walk entries with
// Igtmab.
#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

#include "walks/written_walks.h"

struct Entry;
struct WalkRecord;

// One walk as read, valid during its visit only.
struct ReadWalk {
    // Name, parameters and vertex numbers; an entry's parameters are the
    // charges of its first three atoms (0.0 where it has fewer).
    ScannedWalk walk;
    int missing = 0;               // vertex numbers outside 1 ... n
    WalkRecord* record = nullptr;  // the .lwk record, or
    Entry* entry = nullptr;        // the .mab walk entry
};

// Reads from where the file stands to its end, or to the first walk the
// reader refuses (after the reader's own message), and visits every walk in
// file order. Vertex numbers 1 ... n name lattice vertices.
void read_walks(std::FILE* fp, bool mab, int n, const std::function<void(ReadWalk&)>& visit);

// The line that reports a walk's vertex numbers outside the lattice.
std::string unresolved_report(int missing, std::string_view name);
