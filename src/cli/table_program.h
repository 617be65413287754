// The frame of a program that writes a result table (korvi-stats,
// korvi-perm): streams, banner, options or help, the timed run, exit status.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>

struct TableProgram {
    const char* name;         // "Korvi-stats": the banner and the help's first word
    const char* description;  // the help's paragraph after the name
    int option_count;
    const char* const* entries;     // the option table the parser reads
    const char* const* long_texts;  // the extended help of each option
    // Puts the defaults the help shows into the parsed values.
    std::function<void(std::int64_t* values)> set_help_defaults;
    // Runs with the parsed values, writing the table to TABLE; false when it
    // stopped on an error, which then prints no elapsed time.
    std::function<bool(const std::int64_t* values, std::FILE* table)> run;
};

// Keeps the table on standard output and everything else on standard error,
// prints the banner, parses the options (their help when none are given, and
// nothing more after a refused number) and runs the program, printing the
// elapsed time of a completed run. Returns 0, the exit status.
int run_table_program(int argc, char** argv, const TableProgram& program);
