// The picture of a sweep: the free-energy profile and the excluded area
// against the probe distance, with their jackknife errors, drawn by gnuplot.
#pragma once

#include <string>
#include <vector>

#include "sweep/profile_rows.h"

// The curves of a picture: the estimates by count and those by weight, each
// drawn under its title, or not at all when the title is empty.
struct ProfileCurves {
    std::string counted = "by count";
    std::string weighted;
};

// Runs gnuplot on a script that draws the distance rows into the SVG file
// svg: the free energy and the excluded area of the chosen curves, with
// error bars. False after a message when gnuplot is missing, cannot be
// started or fails.
bool draw_profile(const std::vector<ProfileRow>& rows, const std::string& svg,
                  const std::string& title, const ProfileCurves& curves);

// The curves by count and, when `weighted`, by Rosenbluth weight.
inline bool draw_profile(const std::vector<ProfileRow>& rows, const std::string& svg,
                         const std::string& title, bool weighted) {
    return draw_profile(rows, svg, title, {"by count", weighted ? "Rosenbluth-weighted" : ""});
}
