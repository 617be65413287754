// The program: start-up, option parsing, mode choice and the time line.
#pragma once

#include <cstddef>

// Runs korvi with the given arguments; always returns 0.
int korvi_main(int argc, char** argv);

// The same with the bytes the evaluation's walks may take in memory (0: the
// walk file is read again at every position), for tests and benchmarks of
// both ways.
int korvi_main(int argc, char** argv, std::size_t walk_budget);
