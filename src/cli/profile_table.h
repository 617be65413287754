// The profile table: tab-separated, one row per line, preceded by comment
// lines ("# ...") that describe the run and name every column, so that
// gnuplot, pandas and spreadsheets read it as it is.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "sweep/profile_rows.h"

// The legend of the columns for a profile of counted walks, with errors by
// blocks of walks and Rosenbluth weights.
const std::vector<std::string>& walk_count_legend();

// Writes "# " + note for each note, "# " + line for each line of the column
// legend, the numbered columns, the line of column names and the rows.
// Numbers not finite are written inf, -inf or nan.
void write_profile_table(std::FILE* fp, const std::vector<std::string>& notes,
                         const std::vector<ProfileRow>& rows,
                         const std::vector<std::string>& legend = walk_count_legend());
