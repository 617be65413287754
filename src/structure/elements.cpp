// The element table: symbols, radii, bond lengths and valences by atomic number.
#include "structure/elements.h"

#include <array>
#include <cctype>
#include <cstdio>
#include <cstring>

namespace {

constexpr char kSymbols[] =
    "H HeLiBeB C N O F NeNaMgAlSiP S ClArK CaScTiV CrMnFeCoNiCuZnGaGeAsSeBrKrRbSrY "
    "ZrNbMoTcRuRhPdAgCdInSnSbTeI XeCsBaLaCePrNdPmSmEuGdTbDyHoErTmYbLuHfTaW ReOsIrPtAuHgTlPbBi"
    "PoAtRnFrRaAcThPaU NpPuAmCmBkCfEsFm";
static_assert(sizeof kSymbols - 1 == 200);

// The symbols followed by deuterium and tritium, which map to hydrogen.
constexpr char kLookup[] =
    "H HeLiBeB C N O F NeNaMgAlSiP S ClArK CaScTiV CrMnFeCoNiCuZnGaGeAsSeBrKrRbSrY "
    "ZrNbMoTcRuRhPdAgCdInSnSbTeI XeCsBaLaCePrNdPmSmEuGdTbDyHoErTmYbLuHfTaW ReOsIrPtAuHgTlPbBi"
    "PoAtRnFrRaAcThPaU NpPuAmCmBkCfEsFmD T ";
static_assert(sizeof kLookup - 1 == 204);

constexpr std::array<double, 100> kCovalentRadius = {
    0.315, 0.28, 1.28, 0.96, 0.84, 0.766, 0.71, 0.66, 0.604, 0.58, 1.66, 1.41, 1.21, 1.11, 1.07,
    1.05,  1.02, 1.06, 2.03, 1.76, 1.7,   1.6,  1.53, 1.39,  1.61, 1.52, 1.5,  1.24, 1.32, 1.22,
    1.22,  1.2,  1.19, 1.2,  1.2,  1.16,  2.2,  1.95, 1.9,   1.75, 1.64, 1.54, 1.47, 1.46, 1.42,
    1.39,  1.45, 1.44, 1.42, 1.39, 1.39,  1.38, 1.39, 1.4,   2.44, 2.15, 2.07, 2.04, 2.03, 2.01,
    1.99,  1.98, 1.98, 1.96, 1.94, 1.92,  1.92, 1.89, 1.9,   1.87, 1.87, 1.75, 1.7,  1.62, 1.51,
    1.44,  1.41, 1.36, 1.36, 1.32, 1.45,  1.46, 1.48, 1.4,   1.5,  1.5,  2.6,  2.21, 2.15, 2.06,
    2.0,   1.96, 1.9,  1.87, 1.8,  1.69,  0,    0,    0,     0};

// Fallback radius for the elements without a covalent radius (Bk to Fm),
// scaled by 0.426; every element carries the same 2.0 Å.
constexpr double kSecondRadius = 2.0;

constexpr std::array<int, 71> kValence = {1, 0, 1, 2, 3, 4, 3, 2, 1, 0, 1, 2, 3, 4, 3, 2, 1, 0,
                                          1, 2, 3, 2, 2, 2, 2, 2, 2, 2, 2, 2, 3, 4, 3, 2, 1, 0,
                                          1, 2, 3, 4, 3, 6, 4, 3, 3, 2, 1, 2, 3, 4, 3, 2, 1, 0,
                                          1, 2, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3};

bool in_table(int z) {
    return z >= 1 && z <= 100;
}

}  // namespace

int Qelsym(int z, char out[3]) {
    out[0] = '\0';
    if (!in_table(z)) return 1;
    out[0] = kSymbols[2 * (z - 1)];
    char second = kSymbols[2 * (z - 1) + 1];
    out[1] = second == ' ' ? '\0' : second;
    out[2] = '\0';
    return 0;
}

int Qelnum(const char* symbol, int report) {
    if (!symbol || symbol[0] == '\0') {
        if (report) std::fprintf(stderr, "NO element name given!%c\n", 7);
        return 0;
    }
    auto c0 = static_cast<unsigned char>(symbol[0]);
    auto c1 = static_cast<unsigned char>(symbol[1]);
    char key[3];
    key[0] = std::isalpha(c0) ? static_cast<char>(std::toupper(c0)) : ' ';
    key[1] = std::isalpha(c1) ? static_cast<char>(std::tolower(c1)) : ' ';
    key[2] = '\0';
    if (key[0] == ' ') {
        key[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(key[1])));
        key[1] = ' ';
    }
    const char* found = std::strstr(kLookup, key);
    if (!found) {
        if (report && key[0] != ' ') std::fprintf(stderr, "Element not found : %c%s\n", 7, key);
        return 0;
    }
    int z = static_cast<int>(found - kLookup) / 2 + 1;
    return z > 100 ? 1 : z;
}

float Qelrad(int z) {
    if (!in_table(z)) return 0.0f;
    double r = kCovalentRadius[z - 1];
    if (r <= 0.0) r = 0.426 * kSecondRadius;
    return static_cast<float>(r);
}

float Qbdlen(int z1, int z2) {
    if (!in_table(z1) || !in_table(z2)) return 0.0f;
    return Qelrad(z1) + Qelrad(z2);
}

int Qelval(int z) {
    if (!in_table(z)) return 0;
    while (z > 71) z -= 32;
    return kValence[z - 1];
}
