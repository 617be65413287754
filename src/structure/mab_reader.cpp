// Reading .mab files into entries: entry, crystal, monomer and atom lines,
// a whole file per call or one entry per call.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "base/alloc.h"
#include "base/fields.h"
#include "base/text.h"
#include "structure/colours.h"
#include "structure/elements.h"
#include "structure/mab_file.h"

namespace {

// Version of the block being read, set by each "Version" line and reset to 0
// at the end of every file. It outlives a call because a one-at-a-time read
// consumes the next block's "Version" line before returning.
int g_version = 0;

constexpr int kLineSize = 512;            // lines of at most 511 characters
constexpr std::size_t kLabelColumns = 7;  // the atom label; the entry number follows
constexpr std::int64_t kFirstSlots = 256;

enum class Line { Version, Entry, Spgp, Cell, Ortg, Monomer, Skipped, Atom };

struct Keyword {
    const char* word;
    Line kind;
};

// Searched in this order: the first word found anywhere in a line decides.
constexpr std::array<Keyword, 12> kKeywords = {{{"Version", Line::Version},
                                                {"Entry", Line::Entry},
                                                {"Spgp", Line::Spgp},
                                                {"Cell", Line::Cell},
                                                {"Ortg", Line::Ortg},
                                                {"Monomer", Line::Monomer},
                                                {"poc", Line::Skipped},
                                                {"dic", Line::Skipped},
                                                {"toc", Line::Skipped},
                                                {"pyc", Line::Skipped},
                                                {"Cntl", Line::Skipped},
                                                {"wgts", Line::Skipped}}};
static_assert(kKeywords.size() == 12);

Line classify(const char* line) {
    for (const Keyword& k : kKeywords) {
        if (std::strstr(line, k.word)) return k.kind;
    }
    return Line::Atom;
}

// The text from a fixed column on, or the end of a shorter line.
const char* from_column(const char* line, std::size_t index) {
    return line + std::min(std::strlen(line), index);
}

// Makes room for slot `index` in a pointer array of `capacity` slots, growing
// it (new slots null) up to `limit` slots at most. Arrays grow with the lines
// actually read, so a count announced in a file is never allocated blindly.
// False when memory is short; the array is then unchanged.
template <typename T>
bool reserve_slot(T**& array, std::int64_t& capacity, std::int64_t index, std::int64_t limit) {
    if (index < capacity) return true;
    std::int64_t grown = std::min(std::max(capacity * 2, kFirstSlots), limit);
    auto** bigger = static_cast<T**>(Balo1(sizeof(T*) * static_cast<std::size_t>(grown), "Igtmab"));
    if (!bigger) return false;
    for (std::int64_t i = 0; i < capacity; ++i) bigger[i] = array[i];
    for (std::int64_t i = capacity; i < grown; ++i) bigger[i] = nullptr;
    std::free(array);
    array = bigger;
    capacity = grown;
    return true;
}

struct MabRead {
    Entry* head;
    Entry* current;          // the list head until the call's first entry
    Entry* group_start;      // the record before the first entry whose atoms are read
    int colour = 4;          // each new entry takes the colour after it
    int entries = 0;         // entries created by this call
    Atom** atoms = nullptr;  // the group's atoms, by block number - 1
    std::int64_t atom_slots = 0;
    std::int64_t natoms = 0;
    std::int64_t expected = 0;  // atoms announced by the group's entry lines
    Entry* cached = nullptr;    // entry named by the last atom line
    int cached_number = 0;
    Crystal* crystal = nullptr;  // crystal record met in the current entry
    std::int64_t monomers = 0;   // monomers of the current entry read so far
    std::int64_t monomers_announced = 0;
};

// Visits the entries of this call in file order. They stand together just
// before the list head, the first one last.
template <typename F>
void each_created(const MabRead& r, F visit) {
    Entry* e = r.head->prev;
    for (int i = 0; i < r.entries; ++i) {
        Entry* before = e->prev;
        visit(e);
        e = before;
    }
}

void forget_atoms(MabRead& r) {
    std::free(r.atoms);
    r.atoms = nullptr;
    r.atom_slots = 0;
    r.natoms = 0;
}

bool read_entry(MabRead& r, const char* line) {
    if (r.atoms) {
        forget_atoms(r);
        r.group_start = r.current;
        r.expected = 0;
    }
    // Before the current entry: the entries of a block end up in reverse file order.
    Entry* e = Qnsntr(r.current);
    if (!e) {
        std::puts("Got no entry!");
        return false;
    }
    ++r.entries;
    r.current = e;
    Qstntr(e, 2, r.head);

    const char* colon = std::strchr(line, ':');
    const char* text = colon ? colon + 1 : from_column(line, 12);
    int natoms = 0;
    int nmonomers = 0;
    char name[kLineSize] = "";
    if (g_version >= 2) {
        std::sscanf(text, "%d%d%511s", &natoms, &nmonomers, name);
        if (nmonomers > 0) e->type = kTypeProtein;
    } else {
        std::sscanf(text, "%d%511s", &natoms, name);
    }
    copy_into_field(e->name, sizeof e->name, name);

    r.colour = next_colour(r.colour);
    e->colour = -r.colour;
    int number = 0;
    if (std::sscanf(line + 5, "%d", &number) == 1) e->atoms.serial = number;

    r.cached = nullptr;
    r.crystal = nullptr;
    r.monomers = 0;
    r.monomers_announced = std::max(nmonomers, 0);
    r.expected += natoms;
    return true;
}

// The current entry's crystal record, made when missing; null before the
// first entry or on lack of memory.
Crystal* crystal_of(MabRead& r) {
    if (r.current == r.head) return nullptr;
    if (!r.current->crystal) r.current->crystal = Qgtxtl(nullptr);
    r.crystal = r.current->crystal;
    return r.crystal;
}

void read_spgp(MabRead& r, char* line) {
    Crystal* c = crystal_of(r);
    if (!c) return;
    std::memset(std::strstr(line, "Spgp"), ' ', 4);
    Bst_ltrim(line, " ");
    copy_into_field(c->spgp, sizeof c->spgp, line);
}

void read_cell(MabRead& r, const char* line) {
    Crystal* c = crystal_of(r);
    if (!c) return;
    const char* pos = from_column(line, 4);
    for (int i = 0; i < 6 && pos; ++i) pos = Bfld_flt(pos, 0, &c->cell[i]);
}

void read_ortg(MabRead& r, const char* line) {
    Crystal* c = r.crystal;
    int row = 0;
    const char* pos = Bfld_int(from_column(line, 4), 0, &row);
    if (!c || !pos || row < 1 || row > 3) return;
    for (int i = 0; i < 3 && pos; ++i) pos = Bfld_flt(pos, 0, &c->frac[row - 1][i]);
    if (pos) Bfld_flt(pos, 0, &c->shift[row - 1]);
}

void read_monomer(MabRead& r, const char* line) {
    Entry* e = r.current;
    if (r.monomers >= r.monomers_announced) return;
    if (!reserve_slot(e->monindex, e->nmonindex, r.monomers, r.monomers_announced)) {
        // Without an index no further monomer is taken.
        std::free(e->monindex);
        e->monindex = nullptr;
        e->nmonindex = 0;
        r.monomers_announced = 0;
        return;
    }
    Monomer* m = Qnsmon(&e->monomers, e);
    if (!m) return;
    e->monindex[r.monomers] = m;
    m->link = ++r.monomers;

    std::size_t length = std::strlen(line);
    if (length > 8) m->chain[0] = line[8];
    if (length > 9) m->icode = line[9];
    // A missing number repeats the one before it.
    int numbers[3] = {0, 0, 0};
    const char* rest = from_column(line, 10);
    int got = 0;
    while (got < 3) {
        const char* next = Bfld_int(rest, 0, &numbers[got]);
        if (!next) break;
        rest = next;
        ++got;
    }
    for (int i = std::max(got, 1); i < 3; ++i) numbers[i] = numbers[i - 1];
    m->resnum = static_cast<std::int16_t>(numbers[0]);
    m->restype = static_cast<std::int16_t>(numbers[1]);
    m->num3 = static_cast<std::int16_t>(numbers[2]);
    rest += std::strspn(rest, " ");
    copy_into_field(m->resname, sizeof m->resname, rest);
}

// The entry of the group whose number is `number` (searched in file order),
// or the current entry when none has it.
Entry* entry_numbered(MabRead& r, int number) {
    if (r.cached && r.cached_number == number) return r.cached;
    Entry* found = r.current;
    for (Entry* e = r.group_start->prev; e != r.group_start; e = e->prev) {
        if (e->atoms.serial == number) {
            found = e;
            break;
        }
        if (e == r.current) break;
    }
    r.cached = found;
    r.cached_number = number;
    return found;
}

// Bonds the atom to the earlier atoms its line names; later ones name it in turn.
bool read_partners(MabRead& r, Entry* e, Atom* atom, int count, const char* pos) {
    const int self = static_cast<int>(r.natoms);
    for (int i = 0; i < count && pos; ++i) {
        int p = 0;
        pos = Bfld_int(pos, 0, &p);
        if (!pos || p < 1 || p >= self) continue;
        Atom* partner = r.atoms[p - 1];
        // Both ends must belong to one entry: its bond list owns the bond.
        Bond* b = partner->serial == atom->serial ? Qnsbd(&e->bonds, atom, partner) : nullptr;
        if (!b) {
            std::fprintf(stderr, "Got no bond %d -> %d!\n", self, p);
            return false;
        }
        b->colour = std::abs(e->colour);
    }
    return true;
}

bool read_atom(MabRead& r, const char* line) {
    if (!r.atoms && r.expected < 1) {
        std::puts("Got no atoms!");
        return false;
    }
    if (r.natoms >= r.expected) {
        std::fprintf(stderr, "Atom line %ld beyond the %ld atoms announced!\n",
                     static_cast<long>(r.natoms + 1), static_cast<long>(r.expected));
        return false;
    }
    if (!reserve_slot(r.atoms, r.atom_slots, r.natoms, r.expected)) {
        std::fprintf(stderr, "Got no memory %d!\n",
                     static_cast<int>(std::min<std::int64_t>(r.expected, INT32_MAX)));
        return false;
    }

    int number = 0;
    const char* pos = Bfld_int(from_column(line, kLabelColumns), 0, &number);
    Entry* e = entry_numbered(r, number);
    Atom* atom = Qnsatm(&e->atoms);
    if (!atom) {
        std::puts("Got no atom!");
        return false;
    }
    atom->serial = reinterpret_cast<std::intptr_t>(e);
    r.atoms[r.natoms++] = atom;
    std::memcpy(atom->label, line, std::min(std::strlen(line), kLabelColumns));
    Bst_rtrim(atom->label, " ");

    // Fields are taken as far as the line goes.
    int monomer = 0;
    if (g_version >= 2) {
        if (!(pos = Bfld_int(pos, 0, &monomer))) return true;
        if (monomer >= 1 && monomer <= e->nmonindex) atom->monomer = e->monindex[monomer - 1];
    }
    if (!(pos = Bfld_int(pos, 0, &atom->element))) return true;
    if (!(pos = Bfld_int(pos, 0, &atom->hcount))) return true;
    if (!(pos = Bfld_flt(pos, 0, &atom->x))) return true;
    if (!(pos = Bfld_flt(pos, 0, &atom->y))) return true;
    if (!(pos = Bfld_flt(pos, 0, &atom->z))) return true;
    if (g_version >= 1 && !(pos = Bfld_flt(pos, 0, &atom->charge))) return true;
    unsigned bits = 0;
    if (!(pos = Bfld_uns(pos, 0, &bits))) return true;
    atom->selection = static_cast<int>(bits);
    if (g_version >= 2) {
        if (!(pos = Bfld_uns(pos, 0, &bits))) return true;
        atom->role = static_cast<int>(bits);
        Monomer* m = atom->monomer;
        if (m && (!m->first || (atom->role & 17))) m->first = atom;
    }
    int count = 0;
    if (!(pos = Bfld_int(pos, 0, &count))) return true;
    return read_partners(r, e, atom, count, pos);
}

// Protein atom labels in four columns: a label of two or three characters
// that starts with the atom's element symbol starts in the first column,
// other short labels in the second; five characters in all.
void four_column_label(Atom* atom) {
    char* label = atom->label;
    const std::size_t n = strnlen(label, sizeof atom->label);
    if (n == 0 || n > 4) return;
    std::size_t lead = 1;
    if (n == 4) {
        lead = 0;
    } else if (n > 1) {
        const char key[3] = {label[0], label[1], '\0'};
        if (Qelnum(key, 0) == atom->element) lead = 0;
    }
    char out[6] = "     ";
    std::memcpy(out + lead, label, n);
    std::memcpy(label, out, sizeof out);
}

Entry* finish(MabRead& r, const ControlRecord* control, int oneatatime) {
    forget_atoms(r);
    each_created(r, [&](Entry* e) {
        if (g_version < 2) return;
        std::free(e->monindex);
        e->monindex = nullptr;
        e->nmonindex = 0;
        if ((e->type & kTypeProtein) && e->monomers.next == &e->monomers) {
            e->type = 1;
            std::fprintf(stderr, "%s -> stdandard entry\n", e->name);
        }
    });
    g_version = 0;
    each_created(r, [](Entry* e) {
        if (!(e->type & kTypeProtein)) return;
        for (Atom* a = first_atom(e); !atom_end(e, a); a = a->next) four_column_label(a);
    });
    if (r.entries == 1) {
        Entry* e = r.current;
        if (!control) e->state = 1;
        e->colour = -1;
        for (Bond* b = e->bonds.next; b != &e->bonds; b = b->next) b->colour = 1;
        return e;
    }
    if (!oneatatime) std::fprintf(stderr, " %d entries read\n", r.entries);
    return nullptr;
}

Entry* fail(MabRead& r) {
    forget_atoms(r);
    each_created(r, [&](Entry* e) { Qdlntr(e, r.head); });
    g_version = 0;
    std::puts("Read of mab-file failed!");
    return nullptr;
}

}  // namespace

Entry* Igtmab(std::FILE* fp, Entry* head, ControlRecord* control, ConstraintSet* /*constraints*/,
              WeightsRecord* /*weights*/, int oneatatime) {
    if (!fp) return nullptr;
    if (!head) head = Qhead();
    MabRead r{.head = head, .current = head, .group_start = head};
    char line[kLineSize];
    bool cut = false;
    while (Bln_get(line, kLineSize, fp, &cut)) {
        if (line[0] == '#') {
            if (cut) Bln_skip_rest(fp);  // comments are skipped whole, however long
            continue;
        }
        if (cut) {
            // Its rest would be read as a line of its own.
            std::fprintf(stderr, "Line longer than %d characters: %.20s...\n", kLineSize - 1, line);
            return fail(r);
        }
        Bst_rtrim(line, " \n");
        if (!line[0]) continue;
        bool ok = true;
        switch (classify(line)) {
        case Line::Version:
            std::sscanf(line + 7, "%d", &g_version);
            if (r.entries > 0 && oneatatime) {
                forget_atoms(r);
                return r.current;
            }
            break;
        case Line::Entry:
            ok = read_entry(r, line);
            break;
        case Line::Spgp:
            read_spgp(r, line);
            break;
        case Line::Cell:
            read_cell(r, line);
            break;
        case Line::Ortg:
            read_ortg(r, line);
            break;
        case Line::Monomer:
            read_monomer(r, line);
            break;
        case Line::Skipped:
            break;
        case Line::Atom:
            ok = read_atom(r, line);
            break;
        }
        if (!ok) return fail(r);
    }
    return finish(r, control, oneatatime);
}
