// Shared by the .mab writer and reader tests: a private entry list, walk
// entries, text in memory, an atom summary and captured output.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "structure/mab_file.h"

// An entry list of its own; whatever is left in it is released at the end.
struct ScratchList {
    Entry head;
    ScratchList() { head.type = 0, head.next = head.prev = &head; }
    ~ScratchList() { while (head.next != &head) Qdlntr(head.next, &head); }
    std::string names() const {  // in list order
        std::string s;
        for (const Entry* e = head.next; e != &head; e = e->next) s += std::string(e->name) + ";";
        return s;
    }
};

// A walk entry: atoms "1".."n" at (1.5 i, 0.5, -1.25), selection first_vertex + i,
// bonded in a chain, hcount 3 at the ends and 2 inside.
inline Entry* make_walk(Entry* head, const char* name, int n, int first_vertex) {
    Entry* e = Qnsntr(head);
    std::snprintf(e->name, sizeof e->name, "%s", name);
    for (int i = 0; i < n; ++i) {
        Atom* a = Qnsatm(&e->atoms);
        std::snprintf(a->label, sizeof a->label, "%d", i + 1);
        a->selection = first_vertex + i;
        a->x = 1.5f * static_cast<float>(i), a->y = 0.5f, a->z = -1.25f;
        if (i > 0 && Qnsbd(&e->bonds, a->prev, a)) --a->prev->hcount, --a->hcount;
    }
    return e;
}

// One line per atom: label, element, hcount, x, y, z, charge, selection, then
// the positions (from 1) of its neighbours in slot order.
inline std::string atoms_of(Entry* e) {
    std::string s;
    for (Atom* a = first_atom(e); !atom_end(e, a); a = a->next) {
        char numbers[128];
        std::snprintf(numbers, sizeof numbers, " %d %d %.3f %.3f %.3f %.3f %d |", a->element,
                      a->hcount, a->x, a->y, a->z, a->charge, a->selection);
        s += a->label + std::string(numbers);
        for (int i = 0; i < a->nslots; ++i) {
            if (!a->slots[i]) continue;
            int k = 1;
            for (Atom* b = first_atom(e); !atom_end(e, b) && b != Qbdnbr(a->slots[i], a); b = b->next) ++k;
            s += " " + std::to_string(k);
        }
        s += "\n";
    }
    return s;
}

// What Istmab writes for the entry or list head; its result in *result.
inline std::string mab_text(Entry* entry, int* result = nullptr) {
    char* buffer = nullptr;
    std::size_t size = 0;
    std::FILE* fp = open_memstream(&buffer, &size);
    int r = Istmab(fp, entry, 0);
    if (result) *result = r;
    std::fclose(fp);
    std::string text(buffer, size);
    std::free(buffer);
    return text;
}

// Runs f with standard output and standard error captured.
template <typename F>
auto captured(F f, std::string* out, std::string* err) {
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    auto result = f();
    *out = testing::internal::GetCapturedStdout();
    *err = testing::internal::GetCapturedStderr();
    return result;
}
