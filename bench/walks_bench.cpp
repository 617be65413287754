// Speed of walk generation as the generate-walks run drives it: walks of 50
// steps from the origin of a diamond lattice shifted by 5 onto a sphere of
// radius 5 at the origin, for lattices of growing size. The time per attempt
// should not grow with the lattice; for comparison the same walks are timed
// with the full passes over the lattice forced before every attempt.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "base/random.h"
#include "lattice/enumeration.h"
#include "lattice/generation.h"
#include "lattice/marks.h"
#include "structure/elements.h"
#include "structure/model.h"
#include "walks/exclusion.h"
#include "walks/generation.h"
#include "walks/scoring.h"
#include "walks/walk_record.h"

namespace {

constexpr int kSteps = 50;
constexpr float kRadius = 5.0f;
constexpr int kShellCounts[] = {20, 40, 60};

struct Timing {
    int walks = 0;
    long attempts = 0;
    double first = 0.0;    // seconds of the first attempt
    double seconds = 0.0;  // seconds of all attempts
};

double seconds_since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Generates `walks` walks; with `forced` every attempt starts with the full passes.
Timing generate(Entry* lattice, Atom* origin, WalkRecord* walk, int walks, bool forced) {
    const float* params = Xlwkpar(nullptr, nullptr, nullptr);
    Timing t;
    Bsrand(1);
    const auto start = std::chrono::steady_clock::now();
    while (t.walks < walks) {
        if (forced) note_marks_changed(lattice);
        ++t.attempts;
        if (Xltsaw(lattice, origin, kSteps, params, walk)) {
            ++t.walks;
        } else if (last_saw_attempt().futile) {
            break;
        }
        if (t.attempts == 1) t.first = seconds_since(start);
    }
    t.seconds = seconds_since(start);
    return t;
}

void report(std::FILE* out, const char* what, int shells, int vertices, const Timing& t) {
    const double rest = t.seconds - t.first;
    std::fprintf(
        out,
        "%-13s %2d shells %6d vertices: first attempt %8.3f ms; %5d walks in %5ld attempts, "
        "%7.0f walks/s, %8.2f us/attempt after the first\n",
        what, shells, vertices, 1e3 * t.first, t.walks, t.attempts, t.walks / t.seconds,
        1e6 * rest / static_cast<double>(t.attempts - 1));
    std::fflush(out);
}

void run(std::FILE* out, int shells) {
    const float points[6] = {0, 0, 0, -1, 0, 0};
    Entry* lattice = Xltgen(0, points, shells, nullptr, Qbdlen(6, 6));
    if (!lattice) {
        std::fprintf(out, "diamond lattice of %d shells failed\n", shells);
        return;
    }
    const PreparedLattice placed = prepare_lattice(lattice, kRadius, false);
    Entry* sphere = Qnsntr(nullptr);
    Qnsatm(&sphere->atoms);
    Entry* spheres[] = {sphere};
    const OccupancyCounts* counts =
        Xltocc(lattice, nullptr, 1, spheres, kOccupancyFreeFirst, kRadius);
    WalkRecord* walk = Xnslwk(kSteps + 1);
    if (!placed.table || !counts || counts->first_steps < 1 || !walk) {
        std::fprintf(out, "set-up of %d shells failed\n", shells);
        return;
    }
    report(out, "walks", shells, placed.n, generate(lattice, placed.origin, walk, 20000, false));
    report(out, "forced passes", shells, placed.n,
           generate(lattice, placed.origin, walk, 200, true));
    std::free(walk);
    std::free(placed.table);
    Qdlntr(sphere, nullptr);
    Qdlntr(lattice, nullptr);
}

}  // namespace

int main() {
    // The figures go to the original standard output; the program's own
    // lines (generation summary, dead ends) are silenced.
    std::FILE* out = fdopen(dup(STDOUT_FILENO), "w");
    if (!out || !std::freopen("/dev/null", "w", stdout) || !std::freopen("/dev/null", "w", stderr))
        return 1;
    for (int shells : kShellCounts) run(out, shells);
    std::fclose(out);
    return 0;
}
