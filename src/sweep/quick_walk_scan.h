// The quick scan of a walk file of the writer's own form: read in pieces of
// whole records without the stream's copies, it gives the records Xrdlwk
// would give, which print nothing.
#pragma once

#include <cstddef>
#include <stop_token>

class EnsembleBuilder;

// Steps the open file can hold: a position takes at least four characters of
// a .lwk file (two digits, two separators) and many more of a .mab file.
std::size_t steps_in_file(int fd);

// Adds every walk of the open file fd, read from its start, to `builder`.
// False when the file has any other form or cannot be read, or when a stop
// is requested on the way; `builder` is then of no use.
bool scan_walk_file(int fd, EnsembleBuilder& builder, std::stop_token stop = {});
