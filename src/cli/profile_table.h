// The profile table: tab-separated, one row per line, preceded by comment
// lines ("# ...") that describe the run and name every column, so that
// gnuplot, pandas and spreadsheets read it as it is.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "sweep/profile_rows.h"

// Writes "# " + note for each note, the column legend, the line of column
// names and the rows. Numbers not finite are written inf, -inf or nan.
void write_profile_table(std::FILE* fp, const std::vector<std::string>& notes,
                         const std::vector<ProfileRow>& rows);
