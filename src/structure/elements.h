// The element table: symbols, radii, bond lengths and valences by atomic number.
#pragma once

// Symbol of element z (1..100) into out (one or two characters); returns 0.
// Outside 1..100: an empty string and 1.
int Qelsym(int z, char out[3]);

// Atomic number of a symbol, case-insensitive ("D" and "T" give 1); 0 when
// the symbol is empty or unknown (reported on stderr when `report` is set).
int Qelnum(const char* symbol, int report);

// Covalent radius in Ångström; 0 outside 1..100.
float Qelrad(int z);

// Bond length of two elements: the sum of their radii; 0 outside 1..100.
float Qbdlen(int z1, int z2);

// Number of bonds an atom of element z normally makes; 0 outside 1..100.
int Qelval(int z);
