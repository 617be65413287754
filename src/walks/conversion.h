// Conversion between walk records (vertex numbers only) and walk entries
// (structures whose atoms sit on the lattice vertices, bonded in a chain).
#pragma once

struct Atom;
struct Entry;
struct WalkRecord;

// A new walk record from a walk entry: the atoms' `selection` fields are the
// vertex numbers, their elements the elements, the charges of the first three
// atoms the parameters (0 where the entry has fewer atoms). Null for no entry
// or an entry without atoms. The caller frees the record.
WalkRecord* Xmablwk(const Entry* walk);

// A new walk entry, placed just before the lattice in its list, from a walk
// record: one atom per position at its vertex, labelled 1, 2, ..., bonded to
// the previous one. `table` is the lattice's vertex table with `count`
// entries; without one a table is built for the call. A record naming a
// vertex outside the lattice is refused with a message. Null on failure,
// leaving no entry behind; the caller writes and then deletes the entry.
Entry* Xlwkntr(const WalkRecord* walk, Entry* lattice, Atom** table, int count);
