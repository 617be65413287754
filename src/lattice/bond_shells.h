// Atoms within a few bonds of one atom, found by a breadth-first search that
// touches only the atoms it reaches. The shells hold the same atoms in the
// same order as Rlabd lists them, but no atom field is used as scratch, so
// the cost does not grow with the size of the entry.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

struct Atom;

class BondShells {
public:
    // Finds the atoms up to `depth` bonds from start, walking each atom's
    // bond slots in slot order, level by level.
    void search(Atom* start, int depth);

    // Atoms at exactly k bonds (1 <= k <= depth of the last search) in
    // discovery order; empty outside.
    std::span<Atom* const> shell(int k) const;

private:
    bool insert(const Atom* atom);  // false when already found
    void grow();
    void clear();

    std::vector<Atom*> found_;         // start, then shell 1, shell 2, ...
    std::vector<std::size_t> starts_;  // shell k is found_[starts_[k] .. starts_[k + 1])
    std::vector<const Atom*> table_;   // open-addressing set of the found atoms
    std::vector<std::size_t> used_;    // occupied slots of table_, for clearing
};
