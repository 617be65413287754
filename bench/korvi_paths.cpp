// korvi with the scoring path of the evaluate run chosen by the first
// argument: "memory" (the walks read once, when they fit) or "stream" (the
// walk file read again at every position). The rest are korvi's arguments.
#include <cstring>

#include "driver/korvi.h"
#include "sweep/indexed_scorer.h"

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const std::size_t budget = std::strcmp(argv[1], "stream") == 0 ? 0 : default_walk_budget();
    argv[1] = argv[0];
    return korvi_main(argc - 1, argv + 1, budget);
}
