// Writing the profile table.
#include "cli/profile_table.h"

#include <cmath>
#include <iterator>

namespace {

constexpr const char* kColumns[] = {
    "kind",          "dist",
    "theta",         "phi",
    "walks",         "free",
    "touched",       "touched_err",
    "free_energy",   "free_energy_err",
    "solid_angle",   "solid_angle_err",
    "area",          "area_err",
    "volume",        "volume_err",
    "touched_w",     "touched_w_err",
    "free_energy_w", "free_energy_w_err",
    "solid_angle_w", "solid_angle_w_err",
    "area_w",        "area_w_err",
    "volume_w",      "volume_w_err",
};

constexpr const char* kLegend[] = {
    "kind: position, theta (a polar angle), distance or total; dist: probe distance;",
    "theta, phi: degrees; walks, free: walks read W and walks not touching the probe F;",
    "touched: 1 - x with x = F/W; free_energy: -ln x (inf: every walk touches), at a theta row",
    "  the mean over its positions with a free walk, at a distance row -ln of x averaged over",
    "  directions by solid angle; solid_angle: excluded solid angle (theta: w*S1, distance: A);",
    "area: A*dist^2; volume: shell volume V*A, total: their sum (the excluded volume);",
    "*_err: delete-one-block jackknife standard errors; *_w: the same with Rosenbluth weights;",
    "nan: does not apply, or an error the data cannot tell (see the notes). Column numbers:",
};

const char* kind_name(RowKind kind) {
    switch (kind) {
    case RowKind::kPosition:
        return "position";
    case RowKind::kTheta:
        return "theta";
    case RowKind::kDistance:
        return "distance";
    case RowKind::kTotal:
        return "total";
    }
    return "?";
}

// Estimates carry 12 significant digits, the coordinates of a position the
// 7 of the single-precision numbers they come from. -0 is written 0.
void write_number(std::FILE* fp, double value, int digits = 12) {
    if (std::isnan(value)) {
        std::fputs("\tnan", fp);
    } else if (std::isinf(value)) {
        std::fputs(value > 0 ? "\tinf" : "\t-inf", fp);
    } else {
        std::fprintf(fp, "\t%.*g", digits, value == 0.0 ? 0.0 : value);
    }
}

void write_count(std::FILE* fp, int count) {
    if (count < 0) {
        std::fputs("\tnan", fp);
    } else {
        std::fprintf(fp, "\t%d", count);
    }
}

void write_estimates(std::FILE* fp, const RowEstimates& e) {
    for (const Estimate& estimate : {e.touched, e.free_energy, e.solid_angle, e.area, e.volume}) {
        write_number(fp, estimate.value);
        write_number(fp, estimate.error);
    }
}

}  // namespace

void write_profile_table(std::FILE* fp, const std::vector<std::string>& notes,
                         const std::vector<ProfileRow>& rows) {
    for (const std::string& note : notes) std::fprintf(fp, "# %s\n", note.c_str());
    for (const char* line : kLegend) std::fprintf(fp, "# %s\n", line);
    std::fputs("#", fp);
    for (std::size_t c = 0; c < std::size(kColumns); ++c)
        std::fprintf(fp, " %zu %s", c + 1, kColumns[c]);
    std::fputs("\n", fp);
    for (std::size_t c = 0; c < std::size(kColumns); ++c)
        std::fprintf(fp, c == 0 ? "# %s" : "\t%s", kColumns[c]);
    std::fputs("\n", fp);
    for (const ProfileRow& row : rows) {
        std::fputs(kind_name(row.kind), fp);
        write_number(fp, row.dist, 7);
        write_number(fp, row.theta, 7);
        write_number(fp, row.phi, 7);
        write_count(fp, row.walks);
        write_count(fp, row.free);
        write_estimates(fp, row.counted);
        write_estimates(fp, row.weighted);
        std::fputs("\n", fp);
    }
}
