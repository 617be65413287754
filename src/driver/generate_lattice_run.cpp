// Generate-lattice run: builds a lattice and writes it as a .jkl file.
#include "driver/runs.h"

#include <cstdio>

bool run_generate_lattice(const Settings&) {
    std::fputs("korvi: the generate-lattice mode is not built yet\n", stderr);
    return false;
}
