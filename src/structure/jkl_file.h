// The .jkl structure file: one entry as a name line, a count line, bond lines
// of up to eight atom-number pairs and one line per atom, in a fixed-column
// layout or a free layout (tabs and blanks; large entries and lattices).
#pragma once

#include <cstdio>

struct Entry;

// Entry kinds the .jkl file can hold: molecular (1, 2, 4), CA traces (8, 16,
// 32), points (128, 512) and lattices (4096).
constexpr unsigned kJklTypes = 4799;

// Writes the atoms selected by mask (0: all) and the bonds between them.
// Returns 0 when written; 1 for no entry, an entry of another kind, without
// atoms or with none selected; 4799 for no stream. Numbers the written atoms
// 1..n in `serial` (0 for the others) and stores every atom's bond count in
// `work`.
int Istjkl(std::FILE* fp, Entry* entry, unsigned mask);

// Reads one entry and appends it to the list of head (null: the current
// list). Returns null after a message, leaving nothing behind, when the file
// ends early or a bond names a missing atom, itself or a bond twice.
// A free-layout line's label is read with at most two characters, so that
// the shells of a lattice read back for lattices of up to 99 shells; with
// whole_labels a lattice's labels are read to the first blank or tab (at
// most 63 characters), and lattices of any size read back as written.
Entry* Igtjklm(std::FILE* fp, Entry* head, bool whole_labels = false);
