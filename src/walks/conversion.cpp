// Conversion between walk records and walk entries.
#include "walks/conversion.h"

#include <cstdio>
#include <cstdlib>

#include "lattice/enumeration.h"
#include "structure/model.h"
#include "walks/scoring.h"
#include "walks/walk_record.h"

namespace {

// The head of the list that holds the entry.
Entry* list_of(Entry* entry) {
    Entry* e = entry->next;
    while (e->type != 0) e = e->next;
    return e;
}

bool numbers_in_lattice(const WalkRecord* walk, int count) {
    for (int i = 0; i < walk->nvertices; ++i) {
        int v = walk->numbers[i];
        if (v < 1 || v > count) {
            std::fprintf(stderr, "Walk %s: vertex number %d outside the lattice (1 to %d)!\n",
                         walk->name, v, count);
            return false;
        }
    }
    return true;
}

Entry* build_entry(const WalkRecord* walk, Entry* lattice, Atom** table) {
    Entry* entry = Qnsntr(lattice);
    if (!entry) {
        std::fputs("Got no entry!\n", stderr);
        return nullptr;
    }
    std::snprintf(entry->name, sizeof entry->name, "%s", walk->name);
    Atom* previous = nullptr;
    for (int i = 0; i < walk->nvertices; ++i) {
        Atom* atom = Qnsatm(&entry->atoms);
        if (!atom) {
            std::fputs("Got no atom!\n", stderr);
            Qdlntr(entry, list_of(entry));
            return nullptr;
        }
        const Atom* vertex = table[walk->numbers[i] - 1];
        atom->element = walk->elements[i];
        atom->x = vertex->x;
        atom->y = vertex->y;
        atom->z = vertex->z;
        std::snprintf(atom->label, sizeof atom->label, "%d", i + 1);
        atom->selection = static_cast<int>(vertex->serial);
        if (previous && Qnsbd(&entry->bonds, previous, atom)) {
            if (atom->hcount > 0) --atom->hcount;
            if (previous->hcount > 0) --previous->hcount;
        }
        previous = atom;
    }
    return entry;
}

}  // namespace

WalkRecord* Xmablwk(const Entry* walk) {
    if (!walk) return nullptr;
    float params[kWalkParameters] = {};
    int count = 0;
    for (const Atom* a = walk->atoms.next; a != &walk->atoms; a = a->next) {
        if (count < kWalkParameters) params[count] = a->charge;
        ++count;
    }
    WalkRecord* record = Xnslwk(count);
    if (!record) return nullptr;
    std::snprintf(record->name, sizeof record->name, "%s", walk->name);
    for (int i = 0; i < kWalkParameters; ++i) record->params[i] = params[i];
    record->nvertices = count;
    int i = 0;
    for (const Atom* a = walk->atoms.next; a != &walk->atoms; a = a->next, ++i) {
        record->numbers[i] = a->selection;
        record->elements[i] = a->element;
        record->vertices[i] = nullptr;
    }
    return record;
}

Entry* Xlwkntr(const WalkRecord* walk, Entry* lattice, Atom** table, int count) {
    if (!walk || !lattice) return nullptr;
    Atom** own_table = nullptr;
    if (!table) {
        count = 1;
        own_table = Xltwnum(lattice, &count, nullptr);
        if (!own_table) {
            std::fputs("Lattice enumeration failed!\n", stderr);
            return nullptr;
        }
        table = own_table;
    }
    Entry* entry = numbers_in_lattice(walk, count) ? build_entry(walk, lattice, table) : nullptr;
    std::free(own_table);
    return entry;
}
