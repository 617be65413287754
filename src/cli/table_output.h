// A program's result table on the standard output it was started with, kept
// apart from the lines the library writes to standard output.
#pragma once

#include <cstdio>

// Returns a stream on the original standard output for the table and sends
// everything else written to standard output (the lattice reader's count
// line) to standard error, so that the two never mix. Falls back to stdout
// when the descriptors cannot be duplicated. Call before anything is written;
// the caller closes a stream other than stdout at the end.
std::FILE* keep_standard_output_for_table();
