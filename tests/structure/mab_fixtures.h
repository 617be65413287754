// Shared by the .mab writer and reader tests: walk entries, an atom summary
// and the text of a block.
#pragma once

#include <cstdio>
#include <string>

#include "structure/mab_file.h"
#include "support/entry_list.h"
#include "support/memory_stream.h"

// A walk entry: atoms "1".."n" at (1.5 i, 0.5, -1.25), selection first_vertex + i,
// bonded in a chain, hcount 3 at the ends and 2 inside.
inline Entry* make_walk(EntryList& list, const char* name, int n, int first_vertex) {
    Entry* e = list.add(name);
    for (int i = 0; i < n; ++i) {
        Atom* a = add_atom(e, std::to_string(i + 1).c_str(), 6, 1.5 * i, 0.5, -1.25);
        a->selection = first_vertex + i;
        if (i > 0 && Qnsbd(&e->bonds, a->prev, a)) --a->prev->hcount, --a->hcount;
    }
    return e;
}

// One line per atom: label, element, hcount, x, y, z, charge, selection, then
// the labels of its neighbours in slot order.
inline std::string atoms_of(Entry* e) {
    std::string s;
    for (Atom* a = first_atom(e); !atom_end(e, a); a = a->next) {
        char numbers[128];
        std::snprintf(numbers, sizeof numbers, " %d %d %.3f %.3f %.3f %.3f %d |", a->element,
                      a->hcount, a->x, a->y, a->z, a->charge, a->selection);
        s += a->label + std::string(numbers);
        for (int i = 0; i < a->nslots; ++i)
            if (a->slots[i]) s += std::string(" ") + Qbdnbr(a->slots[i], a)->label;
        s += "\n";
    }
    return s;
}

// What Istmab writes for the entry or list head; its result in *result.
inline std::string mab_text(Entry* entry, int* result = nullptr) {
    int r = 0;
    std::string text = written([&](std::FILE* fp) { r = Istmab(fp, entry, 0); });
    if (result) *result = r;
    return text;
}
