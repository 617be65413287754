// Creation, linking and removal of entries, atoms, bonds and monomers.
#include "structure/model.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#include "base/alloc.h"
#include "base/record_pool.h"

namespace {

// Links a list head to itself (empty circular list).
template <typename T>
void make_empty(T* head) {
    head->next = head;
    head->prev = head;
}

// Inserts `item` just before `before` in a circular list.
template <typename T>
void link_before(T* item, T* before) {
    item->next = before;
    item->prev = before->prev;
    before->prev->next = item;
    before->prev = item;
}

template <typename T>
void unlink(T* item) {
    item->prev->next = item->next;
    item->next->prev = item->prev;
}

// Allocates a record through the tagged allocator and gives it its defaults.
template <typename T>
T* make_record(const char* tag) {
    void* block = Balo1(sizeof(T), tag);
    return block ? new (block) T{} : nullptr;
}

// Atoms, bonds and an atom's first slot array (four slots, all that most
// atoms need) come from pools: a lattice makes hundreds of thousands of them.
constexpr int kPooledSlots = 4;

RecordPool& atom_pool() {
    static RecordPool pool(sizeof(Atom));
    return pool;
}

RecordPool& bond_pool() {
    static RecordPool pool(sizeof(Bond));
    return pool;
}

RecordPool& slot_pool() {
    static RecordPool pool(sizeof(Bond*) * kPooledSlots);
    return pool;
}

template <typename T>
T* make_pooled_record(RecordPool& pool, const char* tag) {
    void* block = pool.take(tag);
    return block ? new (block) T{} : nullptr;
}

void free_slots(Atom* atom) {
    if (atom->nslots == kPooledSlots) {
        slot_pool().give_back(atom->slots);
    } else {
        std::free(atom->slots);
    }
}

Entry* root_head() {
    static Entry* head = [] {
        static Entry root;
        root.type = 0;
        make_empty(&root);
        return &root;
    }();
    return head;
}

// Puts the bond into the first free slot of the atom, growing the slot
// array by four when it is full. Returns false on lack of memory.
bool add_to_slots(Atom* atom, Bond* bond) {
    for (int i = 0; i < atom->nslots; ++i) {
        if (!atom->slots[i]) {
            atom->slots[i] = bond;
            return true;
        }
    }
    int capacity = atom->nslots + 4;
    auto** grown = static_cast<Bond**>(capacity == kPooledSlots
                                           ? slot_pool().take("Qnsbd")
                                           : Balo1(sizeof(Bond*) * capacity, "Qnsbd"));
    if (!grown) return false;
    for (int i = 0; i < atom->nslots; ++i) grown[i] = atom->slots[i];
    grown[atom->nslots] = bond;
    for (int i = atom->nslots + 1; i < capacity; ++i) grown[i] = nullptr;
    free_slots(atom);
    atom->slots = grown;
    atom->nslots = capacity;
    return true;
}

void remove_from_slots(Atom* atom, const Bond* bond) {
    for (int i = 0; i < atom->nslots; ++i) {
        if (atom->slots[i] == bond) {
            atom->slots[i] = nullptr;
            return;
        }
    }
}

// A lost neighbour becomes an implicit hydrogen. A count at the largest int
// (the "no value" mark of a file) stays there rather than overflow.
void add_implicit_hydrogen(Atom* atom) {
    if (atom->hcount < INT_MAX) atom->hcount += 1;
}

// Unlinks and frees a bond; each end gets the lost neighbour as an implicit hydrogen.
void remove_bond(Bond* bond) {
    remove_from_slots(bond->atom1, bond);
    remove_from_slots(bond->atom2, bond);
    add_implicit_hydrogen(bond->atom1);
    add_implicit_hydrogen(bond->atom2);
    unlink(bond);
    bond_pool().give_back(bond);
}

void free_atom(Atom* atom) {
    unlink(atom);
    free_slots(atom);
    std::free(atom->values);
    std::free(atom->altpos);
    atom_pool().give_back(atom);
}

// After atoms were deleted: each monomer starts at its first surviving atom
// (or its last surviving one when its first atom is gone); monomers left
// without atoms are deleted.
void repair_monomers(Entry* entry) {
    for (Monomer* m = entry->monomers.next; m != &entry->monomers; m = m->next) m->link = 0;
    for (Atom* a = entry->atoms.prev; a != &entry->atoms; a = a->prev) {
        Monomer* m = a->monomer;
        if (m && (m->first == a || m->link == 0)) m->link = reinterpret_cast<std::intptr_t>(a);
    }
    Monomer* m = entry->monomers.next;
    while (m != &entry->monomers) {
        Monomer* next = m->next;
        if (m->link) {
            m->first = reinterpret_cast<Atom*>(m->link);
        } else {
            Qdlmon(m);
        }
        m = next;
    }
}

// Frees an entry with everything it owns and takes it out of its list.
void release_entry(Entry* entry) {
    std::free(entry->atoms.altpos);
    std::free(entry->monindex);
    for (ResidueTemplate* t = entry->templates; t;) {
        ResidueTemplate* next = t->next;
        std::free(t);
        t = next;
    }
    std::free(entry->atoms.values);
    unlink(entry);
    if (Crystal* c = entry->crystal) {
        SymOp* op = c->symops.next;
        while (op != &c->symops) {
            SymOp* next = op->next;
            std::free(op);
            op = next;
        }
        std::free(c);
    }
    Qdlatm(entry, 0);
    std::free(entry);
}

bool selected(const Atom* atom, int mask) {
    return mask == 0 || (atom->selection & mask) != 0;
}

}  // namespace

Entry* Qhead() {
    return root_head();
}

int bond_count(const Atom* a) {
    int n = 0;
    for (int i = 0; i < a->nslots; ++i) n += a->slots[i] != nullptr;
    return n;
}

Entry* Qnsntr(Entry* where) {
    Entry* entry = make_record<Entry>("Qnsntr");
    if (!entry) {
        std::puts("No memory in Qnsntr!");
        return nullptr;
    }
    Atom& head = entry->atoms;
    head.bfactor = 0.0f;
    head.cshift = 0.0f;
    std::memset(head.label, 'i', 63);
    head.label[63] = '\0';
    head.element = 0;
    head.hcount = 0;
    make_empty(&entry->atoms);
    make_empty(&entry->bonds);
    make_empty(&entry->monomers);
    link_before(entry, where ? where : Qhead());
    return entry;
}

Atom* Qnsatm(Atom* head) {
    if (!head) return nullptr;
    Atom* atom = make_pooled_record<Atom>(atom_pool(), "Qnsatm");
    if (!atom) return nullptr;
    link_before(atom, head);
    return atom;
}

Bond* Qnsbd(Bond* head, Atom* a1, Atom* a2) {
    if (!head || !a1 || !a2 || a1 == a2) return nullptr;
    for (int i = 0; i < a1->nslots; ++i) {
        if (a1->slots[i] && Qbdnbr(a1->slots[i], a1) == a2) return nullptr;
    }
    Bond* bond = make_pooled_record<Bond>(bond_pool(), "Qnsbd");
    if (!bond) return nullptr;
    if (!add_to_slots(a1, bond)) {
        bond_pool().give_back(bond);
        return nullptr;
    }
    if (!add_to_slots(a2, bond)) {
        remove_from_slots(a1, bond);
        bond_pool().give_back(bond);
        return nullptr;
    }
    bond->atom1 = a1;
    bond->atom2 = a2;
    link_before(bond, head);
    return bond;
}

Monomer* Qnsmon(Monomer* head, Entry* entry) {
    if (!head) return nullptr;
    Monomer* monomer = make_record<Monomer>("Qnsmon");
    if (!monomer) return nullptr;
    link_before(monomer, head);
    if (entry) {
        for (ResidueTemplate* t = entry->templates; t; t = t->next) {
            if (std::strcmp(t->name, monomer->resname) == 0) {
                monomer->template_ = t;
                break;
            }
        }
    }
    return monomer;
}

SymOp* Qnssm(SymOp* head) {
    if (!head) return nullptr;
    SymOp* op = make_record<SymOp>("Qnssm");
    if (!op) return nullptr;
    link_before(op, head);
    return op;
}

Crystal* Qgtxtl(const float* abc) {
    Crystal* crystal = make_record<Crystal>("Qgtxtl");
    if (!crystal) return nullptr;
    if (abc) {
        for (int i = 0; i < 3; ++i) crystal->cell[i] = abc[i];
    }
    make_empty(&crystal->symops);
    for (int i = 0; i < 3; ++i) crystal->frac[i][i] = 1.0f / crystal->cell[i];
    return crystal;
}

int Radat(Atom* atom, int n) {
    if (n == 0) {
        std::free(atom->values);
        atom->values = nullptr;
        atom->nvalues = 0;
        return 0;
    }
    int size = n < 0 ? -n : n;
    if (size > atom->nvalues) {
        auto* grown = static_cast<float*>(Balo1(sizeof(float) * size, "Radat"));
        if (!grown) return atom->nvalues;
        int keep = n > 0 ? atom->nvalues : 0;
        for (int i = 0; i < keep; ++i) grown[i] = atom->values[i];
        for (int i = keep; i < size; ++i) grown[i] = 0.0f;
        std::free(atom->values);
        atom->values = grown;
    }
    atom->nvalues = size;
    if (n < 0) {
        for (int i = 0; i < size; ++i) atom->values[i] = 0.0f;
    }
    return atom->nvalues;
}

AltPos* Qgtalc(int n) {
    if (n < 1) return nullptr;
    std::size_t bytes = sizeof(AltPos) + sizeof(float) * 5 * n + static_cast<std::size_t>(n);
    void* block = Balo1(bytes, "Qgtalc");
    if (!block) return nullptr;
    auto* alt = new (block) AltPos{};
    alt->count = n;
    alt->values = reinterpret_cast<float*>(alt + 1);
    alt->flags = reinterpret_cast<unsigned char*>(alt->values + 5 * n);
    std::memset(alt->values, 0, sizeof(float) * 5 * n);
    std::memset(alt->flags, 0, static_cast<std::size_t>(n));
    return alt;
}

int Qdlbd(Bond* bond) {
    if (!bond || bond->colour < 0) return 0;
    remove_bond(bond);
    return 1;
}

void Qdlmon(Monomer* monomer) {
    if (!monomer) return;
    unlink(monomer);
    std::free(monomer);
}

Entry* Qdlatm(Entry* entry, int mask) {
    if (!entry) return nullptr;
    Bond* b = entry->bonds.next;
    while (b != &entry->bonds) {
        Bond* next = b->next;
        if (selected(b->atom1, mask) || selected(b->atom2, mask)) remove_bond(b);
        b = next;
    }
    Atom* a = entry->atoms.next;
    while (a != &entry->atoms) {
        Atom* next = a->next;
        if (selected(a, mask)) free_atom(a);
        a = next;
    }
    repair_monomers(entry);
    if (mask != 0 && entry->atoms.next == &entry->atoms) {
        release_entry(entry);
        return nullptr;
    }
    return entry;
}

int Qdlntr(Entry* entry, Entry* head) {
    if (!head) head = Qhead();
    if (!entry || entry == head || !Qisntr(entry, head)) return 0;
    release_entry(entry);
    return 1;
}

Entry* Qisntr(Entry* entry, Entry* head) {
    if (!head) head = Qhead();
    if (!entry) return nullptr;
    if (entry == head) return entry;
    for (Entry* e = head->next; e != head; e = e->next) {
        if (e == entry) return entry;
    }
    return nullptr;
}

int Qstntr(Entry* entry, int bits, Entry* head) {
    if (!Qisntr(entry, head)) return 1;
    if (entry->type != 0) entry->state = (entry->state & ~7) | (bits & 7);
    return 0;
}

int Qcntntr(Entry* entry, int statebits, int typebits) {
    auto passes = [&](const Entry* e) {
        return (statebits == 0 || (e->state & statebits)) &&
               (typebits == 0 || (e->type & typebits));
    };
    if (!entry) return 0;
    if (entry->type != 0) return passes(entry) ? 1 : 0;
    int count = 0;
    for (Entry* e = entry->next; e != entry; e = e->next) count += passes(e);
    return count;
}

void Qbell() {
    std::fputc('\a', stderr);
    std::fflush(stderr);
}
