// The weight of a walk sampled with weights, carried by a comment line right
// before its record in a .lwk file: "# ln_weight <ln w> tour <t>". Walk
// readers skip comment lines, so such a file reads like any other walk file.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

// The comment text (without the leading "# ") that carries a walk's ln w,
// written so that it reads back to the same double, and the tour it grew in.
std::string weight_comment(double log_weight, long long tour);

// ln w and tour of a line "# ln_weight <ln w> tour <t>"; false for any other
// line, *log_weight and *tour then unchanged.
bool read_weight_comment(const char* line, double* log_weight, long long* tour);

// The weight lines of a walk file, one entry per record in file order.
struct WeightLines {
    std::vector<double> log_weights;  // NaN: no weight line before the record
    std::vector<long long> tours;     // -1: no weight line before the record
    int weighted = 0;                 // records with a weight line
};

// Reads the file from its start: a record begins at the first line after its
// comment lines, and a weight line among those comments belongs to it; the
// record ends at a line holding "$$$$". An empty line where a record would
// begin ends the file, as it ends the walk reader.
WeightLines read_weight_lines(std::FILE* fp);
