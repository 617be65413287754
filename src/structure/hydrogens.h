// Implicit hydrogen counts of a molecular entry derived from its geometry:
// free valences, shortened bonds as a measure of unsaturation, and odd
// conjugated groups around nitrogens.
#pragma once

struct Entry;

// Sets `hcount` of every atom from the geometry (hydrogens get 0) and returns
// the total set; -1, changing nothing, when the work array cannot be
// allocated; 0 for no entry. Leaves the neighbour count in `work` and a
// nitrogen group number (0: none) in `serial`.
int Igtnh(Entry* entry);
