// The lattice picture of a verbose generate-walks run with a sphere: the
// lattice written as a CIF file in which the sphere's vertices stand out.
#pragma once

struct Entry;

// Colours every edge white (1), or black (0) when either end carries element
// 16 (marked by the sphere exclusion), and writes the lattice as the one
// entry of a CIF block named `block` to the file `cif_name`, reporting
// "Written: <name>" on stderr. A file that cannot be opened is reported with
// the system error and the run goes on without the picture.
void write_lattice_picture(Entry* lattice, const char* cif_name, const char* block);
