// Hand-built lattice and sphere entries for the lattice and walk tests. They
// live in the process-wide entry list and are released at the end of the test.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <map>
#include <tuple>
#include <vector>

#include "structure/model.h"

class TestLattice {
public:
    TestLattice() {
        entry = Qnsntr(nullptr);
        entry->type = kTypeLattice;
    }
    ~TestLattice() { Qdlntr(entry, nullptr); }
    TestLattice(const TestLattice&) = delete;
    TestLattice& operator=(const TestLattice&) = delete;

    // A vertex with the shell number as label, numbered as the enumeration
    // would number it, and the fresh atom's occupancy 1.0.
    Atom* add(float x, float y, float z, int shell) {
        Atom* a = Qnsatm(&entry->atoms);
        a->x = x;
        a->y = y;
        a->z = z;
        a->hcount = shell;
        std::snprintf(a->label, sizeof a->label, "%d", shell);
        vertices.push_back(a);
        a->serial = static_cast<std::int64_t>(vertices.size());
        return a;
    }
    void join(int a, int b) { Qnsbd(&entry->bonds, vertices[a], vertices[b]); }
    Atom* operator[](int i) const { return vertices[i]; }
    int size() const { return static_cast<int>(vertices.size()); }

    Entry* entry;
    std::vector<Atom*> vertices;
};

// The simple cubic points (i, j, k) * spacing with |i|, |j|, |k| <= m, the
// origin first (shell 0), shells counted in steps along the axes.
inline void build_cubic(TestLattice& lattice, int m, float spacing = 1.532f) {
    std::map<std::tuple<int, int, int>, int> index;
    auto place = [&](int i, int j, int k) {
        index[{i, j, k}] = lattice.size();
        lattice.add(i * spacing, j * spacing, k * spacing, std::abs(i) + std::abs(j) + std::abs(k));
    };
    place(0, 0, 0);
    for (int i = -m; i <= m; ++i)
        for (int j = -m; j <= m; ++j)
            for (int k = -m; k <= m; ++k)
                if (i || j || k) place(i, j, k);
    for (const auto& [point, a] : index) {
        const auto [i, j, k] = point;
        for (const auto& next :
             {std::tuple{i + 1, j, k}, std::tuple{i, j + 1, k}, std::tuple{i, j, k + 1}}) {
            auto found = index.find(next);
            if (found != index.end()) lattice.join(a, found->second);
        }
    }
}

// A sphere entry: one atom at the centre.
class TestSphere {
public:
    TestSphere(float x, float y, float z) {
        entry = Qnsntr(nullptr);
        centre = Qnsatm(&entry->atoms);
        centre->x = x;
        centre->y = y;
        centre->z = z;
    }
    ~TestSphere() { Qdlntr(entry, nullptr); }
    TestSphere(const TestSphere&) = delete;
    TestSphere& operator=(const TestSphere&) = delete;

    Entry* entry;
    Atom* centre;
};
