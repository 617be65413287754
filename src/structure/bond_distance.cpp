// Rlabd: labels atoms with their bond distance from a start atom and lists
// the atoms of one distance shell in breadth-first discovery order.
#include <cstdlib>
#include <vector>

#include "base/alloc.h"
#include "structure/model.h"

Atom** Rlabd(Entry* entry, Atom* start, int* n) {
    if (!entry) {
        *n = 0;
        return nullptr;
    }
    for (Atom* a = first_atom(entry); !atom_end(entry, a); a = a->next) a->serial = -1;
    start->serial = 0;
    int m = *n < 0 ? -*n : *n;

    // The frontiers grow as needed, so a hand-made graph with more than
    // twelve neighbours per atom cannot overrun them.
    std::vector<Atom*> frontier{start};
    std::vector<Atom*> next;
    for (int level = 1; level <= m; ++level) {
        next.clear();
        for (Atom* a : frontier) {
            for (int i = 0; i < a->nslots; ++i) {
                if (!a->slots[i]) continue;
                Atom* other = Qbdnbr(a->slots[i], a);
                if (other->serial < 0) {
                    other->serial = level;
                    next.push_back(other);
                }
            }
        }
        frontier.swap(next);
        if (frontier.empty()) break;
    }
    if (*n >= 0 || frontier.empty()) {
        *n = 0;
        return nullptr;
    }
    auto** shell = static_cast<Atom**>(Balo1(sizeof(Atom*) * frontier.size(), "Rlabd"));
    if (!shell) {
        *n = 0;
        return nullptr;
    }
    for (std::size_t i = 0; i < frontier.size(); ++i) shell[i] = frontier[i];
    *n = static_cast<int>(frontier.size());
    return shell;
}
