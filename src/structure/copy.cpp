// Copies of atoms and of whole entries.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "structure/colours.h"
#include "structure/model.h"

namespace {

constexpr int kCopySelection = 1;
constexpr int kCopyDisplay = 2;
constexpr int kKeepLabel = 4;
constexpr int kCopyUser1 = 8;
constexpr int kKeepValues = 16;
constexpr int kCopyWorkWords = 32;

void copy_crystal(const Crystal* from, Entry* to) {
    Crystal* c = Qgtxtl(from->cell);
    if (!c) return;
    std::memcpy(c->spgp, from->spgp, sizeof c->spgp);
    std::memcpy(c->cell, from->cell, sizeof c->cell);
    c->setting = from->setting;
    c->centring = from->centring;
    c->zvalue = from->zvalue;
    std::memcpy(c->frac, from->frac, sizeof c->frac);
    std::memcpy(c->shift, from->shift, sizeof c->shift);
    for (const SymOp* op = from->symops.next; op != &from->symops; op = op->next) {
        SymOp* copy = Qnssm(&c->symops);
        if (!copy) break;
        std::memcpy(copy->rot, op->rot, sizeof copy->rot);
        std::memcpy(copy->trans, op->trans, sizeof copy->trans);
    }
    to->crystal = c;
}

Entry* give_up(Entry* copy, const char* message) {
    Qdlntr(copy, nullptr);
    std::puts(message);
    return nullptr;
}

Atom* copy_of(const Atom* source) {
    return reinterpret_cast<Atom*>(source->serial);
}

}  // namespace

int Qcpatm(Atom* from, Atom* to, int flags) {
    if (!from || !to) return 1;
    to->role = from->role;
    to->element = from->element;
    to->hcount = from->hcount;
    to->occupancy = from->occupancy;
    to->bfactor = from->bfactor;
    to->charge = from->charge;
    to->cshift = from->cshift;
    to->cshifterr = from->cshifterr;
    to->work = from->work;
    to->x = from->x;
    to->y = from->y;
    to->z = from->z;
    to->monomer = from->monomer;
    to->serial = 0;
    to->selection = (flags & kCopySelection) ? from->selection : 0;
    to->display = (flags & kCopyDisplay) ? from->display : 0;
    if (flags & kCopyUser1) to->user1 = from->user1;
    if (!(flags & kKeepValues) && from->nvalues > 0 && from->values) {
        int n = Radat(to, from->nvalues);
        for (int i = 0; i < n && i < from->nvalues; ++i) to->values[i] = from->values[i];
    }
    if (!(flags & kKeepLabel)) std::memcpy(to->label, from->label, sizeof to->label);
    if (flags & kCopyWorkWords) {
        to->work = from->work;
        to->user1 = from->user1;
        to->user2 = from->user2;
    }
    if (from->altpos) {
        AltPos* alt = Qgtalc(from->altpos->count);
        if (alt) {
            alt->current = from->altpos->current;
            std::memcpy(alt->values, from->altpos->values, sizeof(float) * 5 * alt->count);
            std::memcpy(alt->flags, from->altpos->flags, static_cast<std::size_t>(alt->count));
            if (alt->current >= 0 && alt->current < alt->count) {
                float* slot = alt->values + 5 * alt->current;
                slot[0] = to->x;
                slot[1] = to->y;
                slot[2] = to->z;
                slot[3] = to->occupancy;
                slot[4] = to->bfactor;
            }
            std::free(to->altpos);
            to->altpos = alt;
        }
    }
    return 0;
}

Entry* Qcpntr(Entry* entry, Entry* head, int colourmode, const char* name) {
    if (!entry) return nullptr;
    Entry* copy = Qnsntr(head ? head : entry);
    if (!copy) {
        std::puts("Got no entry!");
        return nullptr;
    }
    copy->state = 1;
    copy->type = entry->type;
    Qstntr(entry, 0, nullptr);
    std::snprintf(copy->name, sizeof copy->name, "%s", name ? name : entry->name);

    int colour;
    if (colourmode < 0) {
        colour = -colourmode;
    } else if (colourmode & 1) {
        colour = std::abs(entry->colour);
    } else {
        colour = next_colour(entry->colour);
    }
    copy->colour = -colour;

    if (entry->crystal && !copy->crystal) copy_crystal(entry->crystal, copy);

    int flags = colourmode < 0 ? 0 : colourmode >> 3;
    Qcpatm(&entry->atoms, &copy->atoms, flags);
    copy->atoms.display = entry->atoms.display;
    copy->atoms.element = 0;

    for (Atom* a = first_atom(entry); !atom_end(entry, a); a = a->next) {
        Atom* c = Qnsatm(&copy->atoms);
        if (!c) return give_up(copy, "Atom copy failed!");
        Qcpatm(a, c, flags);
        a->serial = reinterpret_cast<std::intptr_t>(c);
        c->serial = reinterpret_cast<std::intptr_t>(a);
    }
    for (Bond* b = entry->bonds.next; b != &entry->bonds; b = b->next) {
        Bond* c = Qnsbd(&copy->bonds, copy_of(b->atom1), copy_of(b->atom2));
        if (!c) return give_up(copy, "Bond copy failed!");
        c->order = b->order;
        c->colour = colour;
        if (colourmode < 0) c->colour1 = b->colour1;
    }
    for (Monomer* m = entry->monomers.next; m != &entry->monomers; m = m->next) {
        Monomer* c = Qnsmon(&copy->monomers, entry);
        if (!c) return give_up(copy, "Monomer copy failed!");
        if (m->first) c->first = copy_of(m->first);
        std::memcpy(c->resname, m->resname, sizeof c->resname);
        c->restype = m->restype;
        c->resnum = m->resnum;
        std::memcpy(c->chain, m->chain, sizeof c->chain);
        c->icode = m->icode;
        m->link = reinterpret_cast<std::intptr_t>(c);
    }
    for (Atom* a = first_atom(entry); !atom_end(entry, a); a = a->next) {
        if (a->monomer) copy_of(a)->monomer = reinterpret_cast<Monomer*>(a->monomer->link);
    }
    return copy;
}
