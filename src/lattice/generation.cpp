// Shell-by-shell growth of a lattice: every vertex of the current shell gets
// the neighbours it lacks along the direction table, and each new vertex is
// joined to the existing vertices at edge length from it (ring closure).
#include "lattice/generation.h"

#include <cmath>
#include <cstdio>
#include <ctime>

#include "lattice/bond_shells.h"
#include "lattice/directions.h"
#include "structure/geometry.h"
#include "structure/model.h"

namespace {

// Ring-closure candidates of one vertex; the geometry needs a few dozen.
constexpr int kMaxCandidates = 128;

struct Candidates {
    Atom* atoms[kMaxCandidates];
    int count = 0;

    void add(Atom* atom) {
        if (count < kMaxCandidates) atoms[count++] = atom;
    }
};

// Vertices at up to 1.79 edge lengths from v keep first and second
// neighbours and drop straight continuations at two edge lengths.
void add_near(Candidates& list, std::span<Atom* const> shell, const Atom* v, float b) {
    const float reach = b * 1.79f;
    for (Atom* a : shell) {
        if (atom_distance(v, a) <= reach) list.add(a);
    }
}

Atom* new_vertex(Entry* entry, int shell) {
    Atom* v = Qnsatm(&entry->atoms);
    if (!v) return nullptr;
    std::snprintf(v->label, sizeof v->label, "%d", shell);
    v->hcount = shell;
    return v;
}

void new_edge(Entry* entry, Atom* a, Atom* b) {
    if (Bond* edge = Qnsbd(&entry->bonds, a, b)) edge->colour = 7;
}

// z = v + sign * D (in double precision, stored as float).
void place(Atom* z, const Atom* v, int sign, const double d[3]) {
    z->x = static_cast<float>(v->x + sign * d[0]);
    z->y = static_cast<float>(v->y + sign * d[1]);
    z->z = static_cast<float>(v->z + sign * d[2]);
}

int seconds_since(std::time_t start) {
    return static_cast<int>(std::time(nullptr) - start);
}

// Everything one generation works with.
struct Growth {
    Entry* entry;
    const LatticeType& type;
    DirectionTable directions;
    float b;
    BondShells shells;
};

// Gives vertex v of shell s its missing neighbours. Returns the number made,
// -1 when v already has all its edges (the pass ends), -2 on lack of memory.
int expand(Growth& g, Atom* v, int s) {
    const int c = g.type.coordination;
    int free[kMaxDirections];
    const int n = Xltfre(v, g.directions, free);
    if (n >= c) return -1;

    Candidates candidates;
    g.shells.search(v, g.type.ring_depth == 1 ? 2 : g.type.ring_depth);
    add_near(candidates, g.shells.shell(g.type.ring_depth), v, g.b);
    if (g.type.ring_depth == 1) add_near(candidates, g.shells.shell(2), v, g.b);

    const double tolerance = 0.1 * static_cast<double>(g.b);
    for (int i = 0; i < c - n; ++i) {
        Atom* z = new_vertex(g.entry, s + 1);
        if (!z) return -2;
        new_edge(g.entry, v, z);
        for (int k = 0; k < c; ++k) {
            if (free[k] != 0) {
                place(z, v, free[k], g.directions[k]);
                free[k] = 0;
                break;
            }
        }
        for (int j = 0; j < candidates.count; ++j) {
            Atom* a = candidates.atoms[j];
            if (std::fabs(atom_distance(z, a) - g.b) < tolerance) new_edge(g.entry, a, z);
        }
        // Siblings of the close-packed lattice bond to each other (triangles).
        if (g.type.ring_depth < 2) candidates.add(z);
    }
    return c - n;
}

}  // namespace

Entry* Xltgen(int code, const float points[6], int shells, LatticeProgress progress, float b) {
    const int type_code = code & 0xff;
    const bool verbose = (code & kLatticeVerbose) != 0;
    if (!set_generation_type(type_code)) {
        std::fprintf(stderr, "Non-existing lattice type (<%d) %d!\n", Xltnty(nullptr), type_code);
        return nullptr;
    }
    if (shells < 1) {
        std::fprintf(stderr, "Lattice generation needs at least 1 shell, got %d!\n", shells);
        return nullptr;
    }
    Growth g{nullptr, generation_type(), {}, b, {}};
    for (int i = 0; i < 3; ++i) {
        g.directions[0][i] = static_cast<double>(points[i]) - static_cast<double>(points[3 + i]);
    }
    Xltvec(g.directions, b);

    Entry* entry = Qnsntr(nullptr);
    if (!entry) {
        Qbell();
        std::puts("Got no entry!");
        return nullptr;
    }
    g.entry = entry;
    entry->type = kTypeLattice;
    std::snprintf(entry->name, sizeof entry->name, "%s_%d", g.type.short_name, shells);
    entry->colour = -7;

    Atom* origin = new_vertex(entry, 0);
    Atom* first = origin ? new_vertex(entry, 1) : nullptr;
    if (!first) {
        Qdlntr(entry, nullptr);
        return nullptr;
    }
    origin->x = points[0];
    origin->y = points[1];
    origin->z = points[2];
    place(first, origin, 1, g.directions[0]);
    new_edge(entry, origin, first);

    const std::time_t start = std::time(nullptr);
    std::time_t pass_start = start;
    int made = 1;  // the first neighbour belongs to shell 1
    // Vertices are appended shell after shell, so the vertices of shell s
    // stand together, from shell_first up to the first vertex of shell s + 1.
    Atom* shell_first = origin;
    for (int s = 0;;) {
        bool complete = false;  // a vertex had all its edges: the pass ends
        Atom* v = shell_first;
        for (; !atom_end(entry, v) && v->hcount == s; v = v->next) {
            if (complete) continue;
            int added = expand(g, v, s);
            if (added == -2) {
                Qdlntr(entry, nullptr);
                return nullptr;
            }
            if (added < 0) {
                complete = true;
            } else {
                made += added;
            }
        }
        shell_first = v;
        ++s;
        if (verbose) {
            std::fprintf(stderr, "shell %d: %d vertices, %d sec\n", s, made,
                         seconds_since(pass_start));
            std::fflush(stderr);
        }
        if (progress) progress(s, made);
        if (s == shells) break;
        made = 0;
        pass_start = std::time(nullptr);
    }
    std::fprintf(stderr, "%d sec\n", seconds_since(start));
    Xltsum(entry, 1);
    return entry;
}

int Xltsum(Entry* entry, int print) {
    if (!entry || !(entry->type & kTypeLattice)) return 0;
    int count = 0;
    int outer = 0;  // largest shell
    for (Atom* a = first_atom(entry); !atom_end(entry, a); a = a->next) {
        a->serial = ++count;
        if (count == 1 || a->hcount > outer) outer = a->hcount;
    }
    const int coordination = count > 0 ? bond_count(first_atom(entry)) : 0;
    if (print) {
        std::fprintf(stderr, "%s: %d shells, %d vertices, coordination %d\n", entry->name, outer,
                     count, coordination);
    }
    int kept = 0;
    for (Bond* bond = entry->bonds.next; bond != &entry->bonds; bond = bond->next) {
        const bool out1 = bond->atom1->hcount >= outer;
        const bool out2 = bond->atom2->hcount >= outer;
        const bool keep = coordination < 12 ? (out1 || out2) : (out1 && out2);
        if (keep) {
            ++kept;
        } else {
            bond->colour = 0;
        }
    }
    return kept;
}
