// Convert run: walks stored as .mab structures become a .lwk file.
#include "driver/runs.h"

#include <cstdio>

bool run_convert(const Settings&) {
    std::fputs("korvi: the convert mode is not built yet\n", stderr);
    return false;
}
