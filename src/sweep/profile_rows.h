// The rows of a sweep's profile: one per probe position, per polar angle,
// per distance and one for the whole sweep, each with estimates by count
// (korvi's numbers) and by weight, with their errors.
#pragma once

#include <limits>

#include "sweep/jackknife.h"

constexpr double kNotApplicable = std::numeric_limits<double>::quiet_NaN();

enum class RowKind { kPosition, kTheta, kDistance, kTotal };

// One kind of estimates of a row; those that do not apply to it stay nan.
//   position: touched fraction 1 - x and free energy -ln x;
//   theta: excluded solid angle w·S1 of its positions and their mean free
//     energy S2/m (inf when no position has a free walk);
//   distance: excluded solid angle A, area A·dist², shell volume V·A, and
//     the free energy -ln of the untouched fraction averaged over directions;
//   total: the excluded volume Σ V·A.
struct RowEstimates {
    Estimate touched{kNotApplicable, kNotApplicable};
    Estimate free_energy{kNotApplicable, kNotApplicable};
    Estimate solid_angle{kNotApplicable, kNotApplicable};
    Estimate area{kNotApplicable, kNotApplicable};
    Estimate volume{kNotApplicable, kNotApplicable};
};

struct ProfileRow {
    RowKind kind = RowKind::kPosition;
    double dist = kNotApplicable;   // probe distance
    double theta = kNotApplicable;  // degrees
    double phi = kNotApplicable;    // degrees
    int walks = -1;                 // walks read W (positions only)
    int free = -1;                  // walks free F (positions only)
    RowEstimates counted;
    RowEstimates weighted;  // all nan without weights
};
