// The memory message, two-level release and pointer search of the base library.
#include "base/blocks.h"

#include <cstdio>
#include <cstdlib>

void Bmem_err(const char* requester) {
    std::fprintf(stderr, "%s: can't allocate memory\n", requester);
}

void Bfree2(void* holder) {
    if (!holder) return;
    std::free(*static_cast<void**>(holder));
    std::free(holder);
}

int Bptr_idx(const void* value, const void* const* array, int n) {
    if (!array) return -1;
    for (int i = 0; i < n; ++i)
        if (array[i] == value) return i;
    return -1;
}
