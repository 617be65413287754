// Colour numbers of entries and bonds and their names.
#include "structure/colours.h"

#include <array>
#include <cstdlib>

namespace {

constexpr std::array<const char*, 13> kColourNames = {
    "black", "white",  "cyan", "yellow", "magenta", "green", "red",
    "blue",  "orange", "lime", "pink",   "diamond", "salmon"};
static_assert(kColourNames.size() == 13);

}  // namespace

const char* colour_name(int colour) {
    if (colour < 0 || colour > 12) return nullptr;
    return kColourNames[colour];
}

const char* const* Qcolour_names(int n, int* count) {
    static std::array<const char*, 13> list{};
    int k = n < 0 ? -n : n;
    if (k > 12) k = 12;
    for (int i = 0; i < k; ++i) list[i] = kColourNames[i + 1];
    *count = k;
    if (n < 0) {
        list[k] = kColourNames[0];
        *count = k + 1;
    }
    return list.data();
}

int next_colour(int colour) {
    int c = std::abs(colour);
    if (c == 0) return 2;
    return c + 1 < 13 ? c + 1 : 2;
}
