// The memory message of the base library.
#include "base/blocks.h"

#include <cstdio>

void Bmem_err(const char* requester) {
    std::fprintf(stderr, "%s: can't allocate memory\n", requester);
}
