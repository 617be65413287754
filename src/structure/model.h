// The structure model: entries owning circular lists of atoms, bonds and
// monomers, all entries hanging in one process-wide circular list.
#pragma once

#include <cfloat>
#include <cstdint>

struct Atom;
struct Bond;
struct Monomer;
struct Entry;

// Alternative positions of an atom: per position x, y, z, occupancy, bfactor.
struct AltPos {
    int count = 0;
    int current = 0;                 // slot that holds the atom's own position
    unsigned char* flags = nullptr;  // count entries, in the same block
    float* values = nullptr;         // 5 * count entries, in the same block
};

struct Atom {
    float x = 0.0f, y = 0.0f, z = 0.0f;  // Ångström
    float occupancy = 1.0f;  // lattice: vertex mark (0 free, 1 walk, 3 sphere, 4 shut in)
    float bfactor = 30.0f;
    float charge = 0.0f;     // lattice: distance to the nearest sphere atom
    float cshift = FLT_MAX;  // not set
    float cshifterr = 0.0f;
    AltPos* altpos = nullptr;
    int nvalues = 0;
    float* values = nullptr;
    Atom* next = nullptr;
    Atom* prev = nullptr;
    char label[64] = {};
    Monomer* monomer = nullptr;
    std::int64_t serial = 0;  // work slot: writer numbering, bond distance, vertex number
    int role = 0;
    int selection = 0;  // bit mask; walk entries: the lattice vertex number
    int display = 0;
    int element = 6;         // atomic number
    int hcount = 4;          // implicit hydrogens; lattice: shell number
    int nslots = 0;          // capacity of slots
    Bond** slots = nullptr;  // the atom's bonds; empty slots are null
    std::int64_t work = 0;   // scratch: bond count, vertex degree
    std::int64_t user1 = 0, user2 = 0;
};

struct Bond {
    Bond* next = nullptr;
    Bond* prev = nullptr;
    Atom* atom1 = nullptr;
    Atom* atom2 = nullptr;
    std::int64_t serial = 0;  // writer numbering, 0 = not written
    int colour = 1;           // lattice edges 7 (blue)
    int order = 1;            // CA-trace bonds 8
    int colour1 = 0, colour2 = 0;
    float weight = 1.0f;
};

struct ResidueTemplate {
    ResidueTemplate* next = nullptr;
    char name[8] = {};
};

struct Monomer {
    Monomer* next = nullptr;
    Monomer* prev = nullptr;
    Atom* first = nullptr;
    char resname[8] = {};
    char chain[9] = {' ', '\0'};
    char icode = ' ';
    std::int16_t resnum = 0, restype = 0, num3 = 0;
    ResidueTemplate* template_ = nullptr;
    std::int64_t link = 0;  // scratch for copies and writers
};

struct SymOp {
    SymOp* next = nullptr;
    SymOp* prev = nullptr;
    float rot[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    float trans[3] = {0, 0, 0};
};

struct Crystal {
    char spgp[16] = {};
    float cell[6] = {1.0f, 1.0f, 1.0f, 90.0f, 90.0f, 90.0f};
    int setting = -1;
    int nsym = 0;
    int centring = 0;
    int zvalue = 1;
    SymOp symops;  // head of the operator list
    float frac[3][3] = {};
    float shift[3] = {};
};

// Entry kinds (bits of Entry::type).
constexpr int kTypeMolecular = 7;  // 1, 2 (protein), 4
constexpr int kTypeProtein = 2;
constexpr int kTypeCaTrace = 56;  // 8, 16, 32
constexpr int kTypeLattice = 4096;

struct Entry {
    Entry* next = nullptr;
    Entry* prev = nullptr;
    char name[128] = {};
    int state = 1;    // activity bits 0..2; bit value 2: written with the whole list
    int type = 1;     // kind bits; 0 only in the list head
    Atom atoms;       // head of the atom list; its fields serve the entry
    Bond bonds;       // head of the bond list
    int colour = -1;  // stored negated
    int bondradius = 0;
    int halfbond = 0;
    Monomer monomers;  // head of the monomer list
    Monomer** monindex = nullptr;
    ResidueTemplate* templates = nullptr;
    std::int64_t nmonindex = 0;
    Crystal* crystal = nullptr;
};

// The current head of the process-wide entry list (set up empty at start).
Entry* Qhead();

// Iteration helpers over the circular lists.
inline Atom* first_atom(Entry* e) {
    return e->atoms.next;
}
inline bool atom_end(const Entry* e, const Atom* a) {
    return a == &e->atoms;
}

// Number of non-empty bond slots of an atom.
int bond_count(const Atom* a);

// Creation and linking.
Entry* Qnsntr(Entry* where);  // before `where` (a head: at its end); null: current list
Atom* Qnsatm(Atom* head);     // appended to an entry's atom list
Bond* Qnsbd(Bond* head, Atom* a1, Atom* a2);
Monomer* Qnsmon(Monomer* head, Entry* entry);
SymOp* Qnssm(SymOp* head);
Crystal* Qgtxtl(const float* abc);
int Radat(Atom* atom, int n);
AltPos* Qgtalc(int n);

// Removal.
int Qdlbd(Bond* bond);
void Qdlmon(Monomer* monomer);
Entry* Qdlatm(Entry* entry, int mask);
int Qdlntr(Entry* entry, Entry* head);

// Queries and bookkeeping.
// The other atom of a bond (here, inline: every neighbour loop asks for it).
inline Atom* Qbdnbr(const Bond* bond, const Atom* atom) {
    if (!bond || !atom) return nullptr;
    return bond->atom1 == atom ? bond->atom2 : bond->atom1;
}
Entry* Qisntr(Entry* entry, Entry* head);
int Qstntr(Entry* entry, int bits, Entry* head);
int Qcntntr(Entry* entry, int statebits, int typebits);
Atom** Rlabd(Entry* entry, Atom* start, int* n);

// Copies.
int Qcpatm(Atom* from, Atom* to, int flags);
Entry* Qcpntr(Entry* entry, Entry* head, int colourmode, const char* name);

// The terminal bell of the structure model.
void Qbell();
