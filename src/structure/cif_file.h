// CIF export: entries written as one data block of the suite's CIF dialect
// (mmCIF-style items plus items tagged "kvt").
#pragma once

#include <cstdio>

struct Entry;

// Istcif's result for a null stream.
constexpr int kCifNoStream = 1073742399;

// Writes `text` through `format` (one %s conversion) after CIF quoting: an
// empty text becomes ?, a text without blanks that does not start with a
// quote or _ stays bare, a text holding a double quote goes in single quotes
// (or in a semicolon text field when it holds both quotes), any other in
// double quotes.
void Istcif_wrtNam(FILE* stream, const char* format, const char* text);

// Name of an entry state: invisible, visible, active; states 3 to 7 are
// reported as out of limit (stdout) and give active; a state with bits above
// bit 2 is written in decimal into `out`.
const char* cif_status_name(int state, char out[16]);

// Name of colour |c|: 1..12 the colour names, 0 and 13 black, above 13 the
// number in decimal (written into `out`).
const char* cif_colour_name(int colour, char out[16]);

// Writes n entries as one data block named `block`: header, entity loop,
// atom-site loop, bond loop and, for a single entry with a crystal record,
// the cell. Atoms are renumbered 1.. in `serial` across the entries, blanks
// are removed from atom labels and residue names. No conformation sets or
// views exist in this program: `sets` and `view` are accepted and not
// written. setmode 1 adds the entity set column. Returns 0, or kCifNoStream.
int Istcif(FILE* stream, int n, Entry** entries, const void* sets, const char* block, int setmode,
           const void* view);
