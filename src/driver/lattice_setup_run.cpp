// Runs on a read lattice: the lattice set-up shared by generate-walks and
// evaluate, then the mode itself.
#include "driver/runs.h"

#include <cstdio>

bool run_lattice_modes(const Settings& settings) {
    if (settings.extension > 0)
        std::fputs("korvi: the generate-walks mode is not built yet\n", stderr);
    else
        std::fputs("korvi: the evaluate mode is not built yet\n", stderr);
    return false;
}
