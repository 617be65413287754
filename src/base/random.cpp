// Uniform deviates on the C library's rand and srand.
#include "base/random.h"

#include <cstdlib>

float Brandf() {
    return static_cast<float>(std::rand() / 2147483647.0);
}

void Bsrand(int seed) {
    std::srand(static_cast<unsigned>(seed));
}
