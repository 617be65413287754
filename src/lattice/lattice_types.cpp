// The lattice type table and the generation state.
#include "lattice/lattice_types.h"

#include <array>

namespace {

constexpr std::array<LatticeType, 4> kTypes = {{
    {"ldmd", "diamond", 4, true, 4},
    {"lsc", "simple cubic", 6, false, 2},
    {"lbcc", "body centered cubic", 8, false, 2},
    {"lfcc", "face centered cubic", 12, false, 1},
}};
static_assert(kTypes.size() == 4);

constexpr std::array<const char*, 4> kDisplayNames = {
    kTypes[0].display_name, kTypes[1].display_name, kTypes[2].display_name, kTypes[3].display_name};

int g_type = kDiamond;  // code of the generation in progress

}  // namespace

int Xltnty(const char* const** names) {
    if (names) *names = kDisplayNames.data();
    return static_cast<int>(kTypes.size());
}

const LatticeType* lattice_type(int code) {
    if (code < 0 || code >= static_cast<int>(kTypes.size())) return nullptr;
    return &kTypes[code];
}

bool set_generation_type(int code) {
    if (!lattice_type(code)) return false;
    g_type = code;
    return true;
}

int generation_code() {
    return g_type;
}

const LatticeType& generation_type() {
    return kTypes[g_type];
}
