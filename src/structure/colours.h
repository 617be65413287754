// Colour numbers of entries and bonds and their names.
#pragma once

// Name of colour 0 to 12 ("black" to "salmon"); null outside.
const char* colour_name(int colour);

// The list of names for n colours: slot k-1 holds colour k (k = 1..n, at
// most 12). A negative count -n builds the same list and puts "black" in
// slot min(n, 12), one slot more. The count of names is stored in *count.
const char* const* Qcolour_names(int n, int* count);

// The colour after |c|: 0 gives 2, 12 wraps to 2.
int next_colour(int colour);
