// Help mode of the option parser: the usage line and the option list.
#pragma once

#include <cstdint>
#include <string>

// Prints the short or extended help (see Bclnp) and returns -1.
int print_option_help(int argc, char** argv, int count, const char* const* entries,
                      const char* const* long_texts, const std::int64_t* values);

// A number slot as the help shows it: "%f" without trailing zeros, one digit
// kept after the point. Values beyond 32 bits are shown in full double precision.
std::string help_number(std::int64_t slot);
