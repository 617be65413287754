// Reading walk files walk by walk.
#include "sweep/walk_reader.h"

#include <cstdlib>
#include <vector>

#include "base/format.h"
#include "structure/mab_file.h"
#include "structure/model.h"
#include "walks/scoring.h"
#include "walks/walk_file.h"
#include "walks/walk_record.h"

namespace {

int outside(const int* numbers, int count, int n) {
    int missing = 0;
    for (int i = 0; i < count; ++i) missing += numbers[i] < 1 || numbers[i] > n;
    return missing;
}

}  // namespace

void read_walks(std::FILE* fp, bool mab, int n, const std::function<void(ReadWalk&)>& visit) {
    ReadWalk read;
    if (!mab) {
        while (WalkRecord* walk = Xrdlwk(fp)) {
            read.record = walk;
            read.walk.name = walk->name;
            for (int i = 0; i < kWalkParameters; ++i) read.walk.params[i] = walk->params[i];
            read.walk.numbers = walk->numbers;
            read.walk.count = walk->nvertices;
            read.missing = outside(walk->numbers, walk->nvertices, n);
            visit(read);
            std::free(walk);
        }
        return;
    }
    std::vector<int> numbers;
    while (Entry* walk = Igtmab(fp, nullptr, nullptr, nullptr, nullptr, 1)) {
        read.entry = walk;
        read.walk.name = walk->name;
        numbers.clear();
        for (const Atom* a = first_atom(walk); !atom_end(walk, a); a = a->next) {
            if (numbers.size() < kWalkParameters) read.walk.params[numbers.size()] = a->charge;
            numbers.push_back(a->selection);
        }
        for (std::size_t i = numbers.size(); i < kWalkParameters; ++i) read.walk.params[i] = 0.0f;
        read.walk.numbers = numbers.data();
        read.walk.count = static_cast<int>(numbers.size());
        read.missing = outside(numbers.data(), read.walk.count, n);
        visit(read);
        Qdlntr(walk, nullptr);
    }
}

std::string unresolved_report(int missing, std::string_view name) {
    return formatted("%6d %s\n", missing, std::string(name).c_str());
}
