// Writing entries as one .mab block: entry, crystal and monomer lines first,
// then the atom lines of all entries numbered through the whole block.
#include <cstring>

#include "structure/charge_rounding.h"
#include "structure/mab_file.h"

namespace {

bool is_written(const Entry* entry, bool whole_list) {
    if (!(entry->type & kTypeMolecular)) return false;
    return !whole_list || (entry->state & 2);
}

void write_crystal(std::FILE* fp, const Crystal* c) {
    std::fprintf(fp, "Spgp %.*s\n", static_cast<int>(sizeof c->spgp), c->spgp);
    std::fprintf(fp, "Cell %.3f %.3f %.3f, %.3f %.3f %.3f\n", c->cell[0], c->cell[1], c->cell[2],
                 c->cell[3], c->cell[4], c->cell[5]);
    for (int r = 0; r < 3; ++r) {
        std::fprintf(fp, "Ortg %d %e %e %e, %e\n", r + 1, c->frac[r][0], c->frac[r][1],
                     c->frac[r][2], c->shift[r]);
    }
}

// Numbers the entry's atoms through the block and its monomers within the
// entry; writes its entry, crystal and monomer lines when it has atoms.
void write_entry_header(std::FILE* fp, Entry* entry, std::int64_t* atom_number, int* entry_number,
                        bool* crystal_run) {
    int natoms = 0;
    for (Atom* a = first_atom(entry); !atom_end(entry, a); a = a->next) {
        a->serial = ++*atom_number;
        a->work = bond_count(a);
        ++natoms;
    }
    int nmonomers = 0;
    for (Monomer* m = entry->monomers.next; m != &entry->monomers; m = m->next)
        m->link = ++nmonomers;
    if (natoms == 0) return;

    entry->atoms.serial = ++*entry_number;
    std::fprintf(fp, "Entry%5d: %d  %d  %.*s\n", *entry_number, natoms, nmonomers,
                 static_cast<int>(sizeof entry->name), entry->name);
    // Only the first of a run of entries with a crystal record carries it.
    if (entry->crystal && !*crystal_run) write_crystal(fp, entry->crystal);
    *crystal_run = entry->crystal != nullptr;
    for (Monomer* m = entry->monomers.next; m != &entry->monomers; m = m->next) {
        std::fprintf(fp, "Monomer %c%c %d %d %d %.*s\n", m->chain[0], m->icode, m->resnum,
                     m->restype, m->num3, static_cast<int>(sizeof m->resname), m->resname);
    }
}

}  // namespace

int Istmabat(std::FILE* fp, Entry* entry) {
    if (!fp || !entry || entry->atoms.serial < 1) return 0;
    const int number = static_cast<int>(entry->atoms.serial);
    const bool protein = (entry->type & kTypeProtein) != 0;
    float carry = 0.0f;  // rounding remainder passed from atom to atom
    for (Atom* a = first_atom(entry); !atom_end(entry, a); a = a->next) {
        const char* comma = static_cast<const char*>(std::memchr(a->label, ',', sizeof a->label));
        int cut = comma ? static_cast<int>(comma - a->label) : static_cast<int>(sizeof a->label);
        int monomer = a->monomer ? static_cast<int>(a->monomer->link) : 0;
        unsigned role = protein ? static_cast<unsigned>(a->role & 31) : 0u;
        float charge = Qchgrnd(3, &carry, a->charge);
        std::fprintf(fp, "%-7.*s%3d %3d %3d %2d %8.3f %8.3f %8.3f %7.3f %u %u  %ld", cut, a->label,
                     number, monomer, a->element, a->hcount, a->x, a->y, a->z, charge,
                     static_cast<unsigned>(a->selection), role, static_cast<long>(a->work));
        for (int i = 0; i < a->nslots; ++i) {
            if (a->slots[i])
                std::fprintf(fp, " %ld", static_cast<long>(Qbdnbr(a->slots[i], a)->serial));
        }
        std::fputc('\n', fp);
    }
    return 0;
}

int Istmab(std::FILE* fp, Entry* entry, int /*flags: no writer option is used*/) {
    if (!fp) return kMabNoStream;
    if (!entry) return 1;
    const bool whole_list = entry->type == 0;
    auto each_considered = [&](auto&& visit) {
        if (!whole_list) {
            visit(entry);
            return;
        }
        for (Entry* e = entry->next; e != entry; e = e->next) visit(e);
    };

    std::fputs("Version 2\n", fp);
    std::int64_t atom_number = 0;
    int entry_number = 0;
    bool crystal_run = false;
    each_considered([&](Entry* e) {
        if (is_written(e, whole_list)) {
            write_entry_header(fp, e, &atom_number, &entry_number, &crystal_run);
        } else {
            e->atoms.serial = 0;
        }
    });
    if (atom_number == 0) {
        std::puts("No atoms found!");
        return 1;
    }
    each_considered([&](Entry* e) { Istmabat(fp, e); });
    return 0;
}
