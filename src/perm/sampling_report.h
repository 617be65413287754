// What a sampling run found: comment lines that describe the run and give
// Z_N, and a table of ln Z_n with its error at every length.
#pragma once

#include <cstdio>
#include <string>

#include "perm/perm_options.h"
#include "perm/perm_run.h"

struct SamplingReport {
    const PermOptions* options = nullptr;  // the run's settings (its seed the one used)
    std::string lattice_name;
    int outer_shell = 0;        // of the lattice
    PermResult result;
    std::string walk_name;      // empty: no walks written
    long long written = 0;      // walks written
    double written_effective = 0.0;  // their n_eff
};

// e^log_value in decimal scientific notation with `digits` significant
// digits ("1.97007e+434"), for values beyond the range of a double too;
// "0" for -inf, "nan" for NaN.
std::string exp10_text(double log_value, int digits);

// The warning for walks of full length that reached the lattice's outer
// shell; empty when none did.
std::string outer_shell_warning(const SamplingReport& report);

// Writes the comment lines ("# ...") and the table "n, ln_Z, ln_Z_err", one
// row per length from 0 to N.
void write_sampling_table(std::FILE* fp, const SamplingReport& report);
