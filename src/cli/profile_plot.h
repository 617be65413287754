// The picture of a sweep: the free-energy profile and the excluded area
// against the probe distance, with their jackknife errors, drawn by gnuplot.
#pragma once

#include <string>
#include <vector>

#include "sweep/profile_rows.h"

// Runs gnuplot on a script that draws the distance rows into the SVG file
// svg: the free energy and the excluded area by count and, when `weighted`,
// by weight, with error bars. False after a message when gnuplot is missing,
// cannot be started or fails.
bool draw_profile(const std::vector<ProfileRow>& rows, const std::string& svg,
                  const std::string& title, bool weighted);
