// The program: start-up, option parsing, mode choice and the time line.
#pragma once

#include <cstddef>

// Runs korvi with the given arguments, the evaluation's walks held in
// memory when they fit in `walk_budget` bytes (0: the walk file is read again
// at every position); always returns 0.
int korvi_main(int argc, char** argv, std::size_t walk_budget);
