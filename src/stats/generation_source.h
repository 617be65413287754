// The settings of the korvi run that generated a walk file, read back from
// the command line it wrote into the file's comment ("# Korvi -l ... -s5 -r5").
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "stats/stats_options.h"

// The text after "# " of every comment line that begins with "# Korvi" (a
// file joined from several generating runs holds one per run), in file order.
std::vector<std::string> korvi_command_lines(std::FILE* fp);

// The -s, -r and -d of one such line, parsed with korvi's own option table
// and defaults, without a word on the screen. False with the reason in
// `problem` when the line is no walk-generating run that can be read back.
bool parse_command_line(const std::string& line, GenerationSettings& settings,
                        std::string& problem);

// The settings of all the lines, which must agree. False with the reason in
// `problem` when there is no line, the lines disagree or cannot be read, or
// a line has the length korvi cuts its command line to (it may be cut).
bool generation_from_lines(const std::vector<std::string>& lines, GenerationSettings& settings,
                           std::string& problem);
