// Test helper: a private entry list whose entries are released at the end of
// the test, so tests never touch the process-wide list.
#pragma once

#include <cstdio>

#include "structure/model.h"

struct EntryList {
    Entry head;

    EntryList() {
        head.type = 0;
        head.next = head.prev = &head;
    }
    ~EntryList() {
        while (head.next != &head) Qdlntr(head.next, &head);
    }
    EntryList(const EntryList&) = delete;
    EntryList& operator=(const EntryList&) = delete;

    Entry* add(const char* name = "", int type = 1) {
        Entry* e = Qnsntr(&head);
        std::snprintf(e->name, sizeof e->name, "%s", name);
        e->type = type;
        return e;
    }
    int size() const {
        int n = 0;
        for (const Entry* e = head.next; e != &head; e = e->next) ++n;
        return n;
    }
};

// An atom appended to e with a label, an element and a position (Å).
inline Atom* add_atom(Entry* e, const char* label, int element, double x, double y, double z) {
    Atom* a = Qnsatm(&e->atoms);
    std::snprintf(a->label, sizeof a->label, "%s", label);
    a->element = element;
    a->x = static_cast<float>(x);
    a->y = static_cast<float>(y);
    a->z = static_cast<float>(z);
    return a;
}
