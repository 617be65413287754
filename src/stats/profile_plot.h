// The picture of a sweep: the free-energy profile and the excluded area
// against the probe distance, drawn from the statistics table by gnuplot.
#pragma once

#include <string>

// True when a program named gnuplot is on the PATH.
bool gnuplot_available();

// The gnuplot script that draws the table's distance rows into svg: the
// free energy (by count and, when `weighted`, by weight) and the excluded
// area, with their jackknife errors as error bars.
std::string profile_script(const std::string& table, const std::string& svg,
                           const std::string& title, bool weighted);

// Runs gnuplot on the script. False after a message when it cannot be started
// or fails.
bool draw_profile(const std::string& table, const std::string& svg, const std::string& title,
                  bool weighted);
