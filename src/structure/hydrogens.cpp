// Implicit hydrogens from geometry: a first pass per atom from valence, bond
// shortening and planarity, a second pass over conjugated nitrogen groups.
#include "structure/hydrogens.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "base/alloc.h"
#include "structure/elements.h"
#include "structure/geometry.h"
#include "structure/model.h"

namespace {

constexpr int kHydrogen = 1;
constexpr int kNitrogen = 7;
constexpr int kOxygen = 8;

// Scalar triple product of the unit vectors from a to its first three
// neighbours in slot order: 0 for a planar arrangement, and taken as 0 when a
// has fewer than three neighbours or one of them coincides with it.
double planarity(const Atom* a) {
    double u[3][3];
    int k = 0;
    for (int i = 0; i < a->nslots && k < 3; ++i) {
        if (!a->slots[i]) continue;
        const Atom* o = Qbdnbr(a->slots[i], a);
        const double d[3] = {o->x - a->x, o->y - a->y, o->z - a->z};
        const double length = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
        if (length == 0.0) return 0.0;
        for (int j = 0; j < 3; ++j) u[k][j] = d[j] / length;
        ++k;
    }
    if (k < 3) return 0.0;
    const double cross[3] = {u[1][1] * u[2][2] - u[1][2] * u[2][1],
                             u[1][2] * u[2][0] - u[1][0] * u[2][2],
                             u[1][0] * u[2][1] - u[1][1] * u[2][0]};
    return u[0][0] * cross[0] + u[0][1] * cross[1] + u[0][2] * cross[2];
}

// Hydrogen count of one atom from its free valence, corrected by how much its
// bonds to heavy atoms are shorter than single bonds.
int hydrogens_of(const Atom* a, int neighbours) {
    int h = std::max(Qelval(a->element) - neighbours, 0);
    int heavy = 0;
    double ratios = 0.0;  // sum of d / d0 over the heavy neighbours
    for (int i = 0; i < a->nslots; ++i) {
        if (!a->slots[i]) continue;
        const Atom* o = Qbdnbr(a->slots[i], a);
        if (o->element <= kHydrogen) continue;
        ++heavy;
        const float single = Qbdlen(a->element, o->element);
        ratios += single > 0.0f ? atom_distance(a, o) / single : 1.0;
    }
    if (heavy == 0) return h;

    const bool nitrogen = a->element == kNitrogen;
    double x = (heavy - ratios) / 0.13;
    if (neighbours > 1) {
        x /= 1.5;
    } else if (nitrogen) {
        x *= 1.5;
    }
    if (x < 0.5) {
        if (nitrogen && neighbours <= 1) {
            h += 1;
        } else if (neighbours == 3) {
            const double p = planarity(a);
            if (p != 0.0 && std::fabs(p) <= 0.3) h -= 1;
        }
    } else if (x < 1.5) {
        if (nitrogen) {
            if (x >= 1.0 && neighbours >= 2) h -= 1;
        } else if (neighbours == 3) {
            const double p = planarity(a);
            if (p == 0.0 || std::fabs(p) <= 0.45) h -= 1;
        } else {
            h -= 1;
        }
    } else {
        h -= 2;
    }
    return std::max(h, 0);
}

bool unsaturated(const Atom* a) {
    return a->hcount + a->work < Qelval(a->element);
}

bool in_group(const Atom* a, long group) {
    return a->serial == group;
}

bool next_to_group_oxygen(const Atom* a, long group) {
    for (int i = 0; i < a->nslots; ++i) {
        if (!a->slots[i]) continue;
        const Atom* o = Qbdnbr(a->slots[i], a);
        if (in_group(o, group) && o->element == kOxygen) return true;
    }
    return false;
}

// A group nitrogen that gains the missing hydrogen when the group has several:
// one next to a group oxygen, or next to a group atom that has one.
bool takes_group_hydrogen(const Atom* n, long group) {
    for (int i = 0; i < n->nslots; ++i) {
        if (!n->slots[i]) continue;
        const Atom* o = Qbdnbr(n->slots[i], n);
        if (!in_group(o, group)) continue;
        if (o->element == kOxygen || next_to_group_oxygen(o, group)) return true;
    }
    return false;
}

struct Group {
    int atoms = 0;
    int nitrogens = 0;
    bool settled = false;  // no hydrogen to give, or given
};

}  // namespace

int Igtnh(Entry* entry) {
    if (!entry) return 0;
    int natoms = 0;
    for (Atom* a = first_atom(entry); !atom_end(entry, a); a = a->next) ++natoms;
    auto** queue = static_cast<Atom**>(
        Balo1(sizeof(Atom*) * static_cast<std::size_t>(std::max(natoms, 1)), "Igtnh"));
    if (!queue) return -1;

    for (Atom* a = entry->atoms.prev; !atom_end(entry, a); a = a->prev) {
        a->serial = 0;
        a->work = bond_count(a);
        a->hcount = a->element == kHydrogen ? 0 : hydrogens_of(a, static_cast<int>(a->work));
    }

    // Conjugated nitrogen groups: from each unmarked nitrogen short of
    // bonds, the unsaturated atoms reachable through unsaturated atoms.
    std::vector<Group> groups(1);  // group numbers start at 1
    for (Atom* a = first_atom(entry); !atom_end(entry, a); a = a->next) {
        if (a->element != kNitrogen || a->serial != 0 || a->hcount + a->work >= 3) continue;
        const long group = static_cast<long>(groups.size());
        Group g;
        a->serial = group;
        queue[0] = a;
        int size = 1;
        for (int i = 0; i < size; ++i) {
            Atom* m = queue[i];
            g.nitrogens += m->element == kNitrogen;
            for (int s = 0; s < m->nslots; ++s) {
                if (!m->slots[s]) continue;
                Atom* o = Qbdnbr(m->slots[s], m);
                if (o->serial == 0 && unsaturated(o)) {
                    o->serial = group;
                    queue[size++] = o;
                }
            }
        }
        g.atoms = size;
        g.settled = size % 2 == 0;
        if (!g.settled && g.nitrogens == 1) {
            a->hcount += 1;
            g.settled = true;
        }
        groups.push_back(g);
    }
    // Odd groups with several nitrogens: the nitrogens are tried in reverse
    // list order; marks do not change here, so one backward walk serves all.
    for (Atom* a = entry->atoms.prev; !atom_end(entry, a); a = a->prev) {
        if (a->element != kNitrogen || a->serial == 0) continue;
        Group& g = groups[static_cast<std::size_t>(a->serial)];
        if (!g.settled && takes_group_hydrogen(a, a->serial)) {
            a->hcount += 1;
            g.settled = true;
        }
    }
    std::free(queue);

    int total = 0;
    for (Atom* a = first_atom(entry); !atom_end(entry, a); a = a->next) total += a->hcount;
    return total;
}
