// The walk parameter set, the contact test and the fraction statistics.
#include "walks/scoring.h"

#include <climits>
#include <cmath>

#include "walks/walk_record.h"

namespace {

struct WalkParameter {
    const char* name;
    const char* help;
    float fallback;      // the value the program starts with
    float lower, upper;  // documented limits, not applied by this program
};

constexpr WalkParameter kParameters[] = {
    {"interaction strength",
     "For a positive interaction strength the walk experiences a repulsion by the molecule which "
     "dies off exponentially with the distance. For negative values the potential is attractive.",
     0.0f, -10.0f, 2.0f},
    {"interaction distance",
     "The interaction energy of the walk with the molecule dies off exponentially with the "
     "distance. At the critical distance it's value is still 1/e of the value at zero distance.",
     0.0f, 0.0f, 12.0f},
    {"gauche-trans energy",
     "The energy difference (in units of kT) between gauche and trans dihedral angle states can "
     "be given. A positive value implies that the gauche state has more energy (i.e. it is less "
     "populated).",
     0.0f, -3.0f, 3.0f},
};
static_assert(sizeof(kParameters) / sizeof(kParameters[0]) == kWalkParameters);

constexpr const char* kNames[] = {kParameters[0].name, kParameters[1].name, kParameters[2].name,
                                  "lattice walks"};
constexpr const char* kHelps[] = {kParameters[0].help, kParameters[1].help, kParameters[2].help};

float g_values[kWalkParameters] = {kParameters[0].fallback, kParameters[1].fallback,
                                   kParameters[2].fallback};

// The parameter pair last reported; (9999.0, -1.0) after a reset.
float g_strength = 0.0f;
float g_distance = 0.0f;

WalkFraction g_fraction;

// Truncation toward zero to 32 bits; NaN and values out of range give INT_MIN,
// as the processor's conversion does, instead of undefined behaviour.
int truncated(float value) {
    if (!(value > -2147483904.0f && value < 2147483648.0f)) return INT_MIN;
    return static_cast<int>(value);
}

bool touches(const Atom* vertex, int position) {
    // A not-a-number mark counts as occupied.
    return vertex && position != 0 && !(vertex->occupancy < 1.0f);
}

WalkHit reset() {
    g_strength = 9999.0f;
    g_distance = -1.0f;
    return {};
}

}  // namespace

WalkHit report_free_walk(float strength, float distance) {
    WalkHit hit;
    if (strength != g_strength || distance != g_distance) {
        g_strength = strength;
        g_distance = distance;
        hit.amp = truncated(strength * 100000.0f + 1.0f);
        hit.dist = truncated(distance * 100000.0f);
    }
    return hit;
}

float* Xlwkpar(int* count, const char* const** names, const char* const** helps) {
    if (count) *count = kWalkParameters;
    if (names) *names = kNames;
    if (helps) *helps = kHelps;
    return g_values;
}

WalkHit Xlwkhit(const WalkRecord* walk, int n) {
    if (!walk) return reset();
    const int positions = n < walk->capacity ? n : walk->capacity;
    for (int i = 0; i < positions; ++i) {
        if (touches(walk->vertices[i], i)) return {1, 0, 0};
    }
    return report_free_walk(walk->params[kInteractionStrength], walk->params[kInteractionDistance]);
}

WalkHit Xlwkhit(const Entry* walk) {
    if (!walk) return reset();
    // An entry of fewer than two atoms supplies 0.0 for what it lacks.
    float strength = 0.0f, distance = 0.0f;
    int position = 0;
    for (const Atom* a = walk->atoms.next; a != &walk->atoms; a = a->next, ++position) {
        if (position == 0) strength = a->charge;
        if (position == 1) distance = a->charge;
        if (touches(walk_vertex(a), position)) return {1, 0, 0};
    }
    return report_free_walk(strength, distance);
}

const WalkFraction* Xlwkfrc(int walks, int counted) {
    if (walks < 1 || counted < 1) return nullptr;
    const double f = static_cast<double>(counted) / walks;
    g_fraction.touched = 1.0 - f;
    g_fraction.free_energy = -std::log(f);
    return &g_fraction;
}
