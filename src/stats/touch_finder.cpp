// Finding the touched walks by a full exclusion and a pass over the walks.
#include "stats/touch_finder.h"

#include "driver/lattice_run.h"
#include "structure/model.h"

bool ExclusionTouchFinder::find(const ProbePosition& probe, std::vector<std::uint8_t>& touched) {
    run_.sphere_atom->x = probe.x;
    run_.sphere_atom->y = probe.y;
    run_.sphere_atom->z = probe.z;
    int first_steps = 0;
    if (!exclude_sphere(run_, radius_, verbose_, &first_steps)) return false;
    const PreparedLattice& lattice = run_.prepared;
    marked_.resize(static_cast<std::size_t>(lattice.n));
    // Marked is "not below 1.0", so a vertex whose mark is not a number counts.
    for (int v = 0; v < lattice.n; ++v) marked_[v] = !(lattice.table[v]->occupancy < 1.0f);
    touched.assign(static_cast<std::size_t>(walks_.size()), 0);
    for (int i = 0; i < walks_.size(); ++i) {
        const std::int32_t* walk = walks_.walk(i);
        for (int k = 1; k < walks_.positions(i); ++k) {
            if (walk[k] >= 0 && marked_[walk[k]]) {
                touched[i] = 1;
                break;
            }
        }
    }
    return true;
}
